// The real window on a real X display, read back from the X server itself: titles, and
// where lists and boxes open. Run with and without a window manager (tests/desktop/*.sh).
#include <gtest/gtest.h>

#include <QListView>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include "app/form1.h"
#include "app/startup.h"
#include "platform/platform.h"
#include "tests/support/dialogs.h"
#include "tests/support/fakeplatform.h"

using namespace trx::app;
using namespace trx::test;

namespace {

QString Run(const QString& program, const QStringList& args) {
  QProcess p;
  p.start(program, args);
  p.waitForFinished(30000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

// The window's name and icon as the window manager and the task bar read them.
QString NetWmName(const QWidget* w) {
  const QString out = Run("xprop", {"-id", QString::number(w->winId()), "_NET_WM_NAME"});
  const auto m = QRegularExpression(R"re(= "(.*)"\s*$)re").match(out);
  return m.hasMatch() ? m.captured(1) : out;
}

QString NetWmIcon(const QWidget* w) { return Run("xprop", {"-id", QString::number(w->winId()), "_NET_WM_ICON"}); }

// Where the window really is on the screen, as the X server says (not what Qt believes).
QRect OnScreen(const QWidget* w) {
  const QString out = Run("xwininfo", {"-id", QString::number(w->winId())});
  const auto value = [&](const char* label) {
    return QRegularExpression(QString(label) + R"(:\s+(-?\d+))").match(out).captured(1).toInt();
  };
  return {value("Absolute upper-left X"), value("Absolute upper-left Y"), value("Width"), value("Height")};
}

std::unique_ptr<TForm1> Launch(FakePlatform& platform) {
  auto form = StartUp(platform);
  form->show();
  form->activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  QTest::qWait(50);  // the window manager's placement, if there is one
  return form;
}

}  // namespace

TEST(Desktop, TheWindowSystemShowsTheProgramsTitlesAndIcon) {
  FakePlatform platform;
  DialogAnswerer dialogs;
  auto form = Launch(platform);
  EXPECT_EQ(NetWmName(form.get()), "TRX61 Utility");
  EXPECT_TRUE(NetWmIcon(form.get()).contains("Icon (32 x 32)"));
  QStringList titles;
  dialogs.inspect = [&](QMessageBox* box) { titles << NetWmName(box); };
  form->ShowMessage("plain");
  form->InformationBox("own caption", QMessageBox::Ok, QMessageBox::Information);
  EXPECT_EQ(titles, QStringList({"TRX61 Utility", "Information"}));
}

// Each launch: the channel list opens under its control, a message box over the form's centre.
TEST(Desktop, ListsAndBoxesOpenInPlaceInEveryLaunch) {
  for (int launch = 0; launch < 20; ++launch) {
    FakePlatform platform;
    DialogAnswerer dialogs;
    auto form = Launch(platform);
    const QRect window = OnScreen(form.get());
    TComboBox* list = form->s_ch;
    list->addItems({"1", "2", "3"});
    list->setCurrentIndex(0);
    list->show();
    const qreal dpr = form->devicePixelRatio();  // the X server counts device pixels
    const QRect control(window.topLeft() + list->mapTo(form.get(), QPoint(0, 0)) * dpr, list->size() * dpr);
    list->showPopup();
    QWidget* popup = list->view()->window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
    const QRect opened = OnScreen(popup);
    list->hidePopup();
    EXPECT_LE(std::abs(opened.left() - control.left()), 12) << "launch " << launch;
    EXPECT_TRUE(opened.top() <= control.bottom() + 4 && opened.bottom() >= control.top() - 4)
        << "launch " << launch << ": list at y " << opened.top() << ", control at y " << control.top();

    QPoint boxCentre;
    dialogs.inspect = [&](QMessageBox* box) { boxCentre = OnScreen(box).center(); };
    form->ShowMessage("centred");
    EXPECT_LE((boxCentre - window.center()).manhattanLength(), 24)
        << "launch " << launch << ": box centre " << boxCentre.x() << "," << boxCentre.y() << ", form centre "
        << window.center().x() << "," << window.center().y();
  }
}

// The screen's real density: 96 at 100 %, and the product of Qt's scale and the logical
// density under QT_SCALE_FACTOR (this test runs at 100 % and at 150 %).
TEST(Desktop, TheNativePlatformReportsTheScreensRealDensity) {
  const double scale =
      qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble() : 1;
  EXPECT_EQ(trx::platform::CreateNativePlatform()->ScreenPixelsPerInch(), static_cast<int>(96 * scale));
}
