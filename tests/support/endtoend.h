#pragma once
// The real window against real simulator processes, with the real three-second waits.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/form1.h"
#include "tests/support/dialogs.h"
#include "tests/support/fakeplatform.h"
#include "wizard/wizard.h"

namespace trx::test {

using namespace trx::app;
using wizard::Step;

// The window with its wizard, as the program runs them.
struct Program {
  explicit Program(platform::Platform& platform)
      : window(std::make_unique<TForm1>(platform)), wizard(std::make_unique<wizard::Wizard>(*window)) {}
  std::unique_ptr<TForm1> window;
  std::unique_ptr<wizard::Wizard> wizard;
  TForm1* operator->() const { return window.get(); }
  TForm1& operator*() const { return *window; }
};

class Simulator {
 public:
  explicit Simulator(const QStringList& args) : Simulator(QStringList{TRX_APSIM} + args, {}) {}
  // Any command that ends by saying "listening" (for example the simulator in a namespace of
  // its own); started: called with its process id once the command has said "ready". A process
  // that is merely running may not have made its namespace yet.
  Simulator(const QStringList& command, const std::function<void(qint64)>& started) {
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.start(command.first(), command.mid(1));
    if (started) {
      EXPECT_TRUE(QTest::qWaitFor([&] { return Output().contains("ready") || !Running(); }, 120000));
      if (Running()) started(process_.processId());
    }
    // A loaded machine under the sanitizers may take long to start it: wait for its word.
    EXPECT_TRUE(QTest::qWaitFor([&] { return Output().contains("listening") || !Running(); }, 120000));
    EXPECT_TRUE(Output().contains("listening")) << Output().toStdString();
  }
  ~Simulator() {
    process_.terminate();
    process_.waitForFinished(2000);
  }
  bool Running() const { return process_.state() != QProcess::NotRunning; }
  QString Output() {
    output_ += QString::fromUtf8(process_.readAll());
    return output_;
  }
  int Count(const QString& what) { return static_cast<int>(Output().count(what)); }

 private:
  QProcess process_;
  QString output_;
};

// Runs the event loop as the program does until done() holds; QTest's waits sleep between
// turns, which would leave the window slower than a user's.
template <class Done>
bool RunUntil(Done done, int limitMs) {
  QEventLoop loop;
  QElapsedTimer clock;
  clock.start();
  QTimer check;
  QObject::connect(&check, &QTimer::timeout, [&] {
    if (done() || clock.elapsed() > limitMs) loop.quit();
  });
  check.start(5);
  loop.exec();
  return done();
}

class EndToEnd : public ::testing::Test {
 protected:
  Program NewForm() {
    Program form(platform);
    form->show();
    form->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(form.window.get()));
    // The socket opens once the first frame is drawn.
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->ZEL_UDPSocket1->IsOpen(); }));
    return form;
  }
  static void Click(TImage* b) { QTest::mouseClick(b, Qt::LeftButton, {}, {10, 10}); }
  // Setup, Next, and the search wait: the list page.
  static void Search(const Program& form) {
    Click(form->b_setup);
    Click(form->b_setup);
    ASSERT_TRUE(
        RunUntil([&] { return form.wizard->CurrentStep() != Step::Connection || !form->errormsg->isHidden(); }, 30000));
  }
  static void Pick(const Program& form, int row) {
    form->ap_list->setCurrentRow(row);
    form.wizard->ap_listClick(form->ap_list);
  }
  // Yes on the list page, then Next through the pages (and Yes on the confirmation page).
  static void ToConfirmation(const Program& form) {
    Click(form->b_setup);
    for (int i = 0; i < 4 && form.wizard->CurrentStep() != Step::Confirmation; ++i) Click(form->b_setup);
    ASSERT_EQ(form.wizard->CurrentStep(), Step::Confirmation);
  }
  static void SaveAndWait(const Program& form) {
    Click(form->b_setup);
    ASSERT_TRUE(
        RunUntil([&] { return form.wizard->CurrentStep() == Step::Completion || !form->errormsg->isHidden(); }, 30000));
  }
  static void Choose(TComboBox* list, int index) {
    list->showPopup();
    list->setCurrentIndex(index);
    list->hidePopup();
    QTest::qWait(10);
  }

  FakePlatform platform;
  DialogAnswerer dialogs;
};

}  // namespace trx::test
