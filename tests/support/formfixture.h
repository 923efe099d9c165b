#pragma once
// A real TForm1 with its wizard on the recording platform, with timer ticks delivered by the test.
#include <gtest/gtest.h>

#include <QTest>
#include <memory>

#include "app/form1.h"
#include "tests/support/dialogs.h"
#include "tests/support/fakeplatform.h"
#include "tests/support/manualticks.h"
#include "tests/support/replies.h"
#include "wizard/wizard.h"

// Failures print texts as text.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace trx::test {

using wizard::Step;
using wizard::WaitFrame;

class FormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<app::TForm1>(platform);
    wizard = std::make_unique<wizard::Wizard>(*form);
    TickByHand(*form);
  }
  void TearDown() override {
    wizard.reset();
    form.reset();
  }

  void Show() {
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    // The socket opens once the first frame is drawn.
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->ZEL_UDPSocket1->IsOpen(); }));
  }
  void Deliver(const ReplyBuilder& reply) {
    wizard->ZEL_UDPSocket1Recv(form->ZEL_UDPSocket1, reply.data(), reply.size());
  }
  void Deliver(const QByteArray& bytes) {
    wizard->ZEL_UDPSocket1Recv(form->ZEL_UDPSocket1, reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                               static_cast<int>(bytes.size()));
  }
  void Ticks(int n) {
    for (int i = 0; i < n; ++i) form->Timer->Tick();
  }
  void Click(app::TImage* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10)); }
  // Lets queued events (exit checks, close-ups) run.
  void Settle() { QTest::qWait(20); }

  // Welcome -> Setup -> Next with the replies given -> six ticks: the access point list page.
  void SearchWith(std::initializer_list<ReplyBuilder> replies) {
    if (wizard->CurrentStep() == Step::Welcome) Click(form->b_setup);
    Click(form->b_setup);
    for (const auto& r : replies) Deliver(r);
    Ticks(6);
  }

  FakePlatform platform;
  DialogAnswerer dialogs;
  std::unique_ptr<app::TForm1> form;
  std::unique_ptr<wizard::Wizard> wizard;
};

inline bool Shown(const QWidget* w) { return !w->isHidden(); }

}  // namespace trx::test
