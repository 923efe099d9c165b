// The three-second waits for the network: progress, animation, and where each wait ends.
#include "link/debuglog.h"
#include "wizard/wizard.h"

namespace trx::wizard {

void Wizard::RestartWait() {
  f_.Timer->SetEnabled(false);
  waitTicks_ = kWaitTicks;
}

void Wizard::TimerTimer(QObject*) {
  waitTicks_ -= 1;
  f_.bar->SetPosition(f_.bar->Position() + 20);
  NextWaitFrame();
  if (waitTicks_ != 0) return;

  NoteWaitOver();
  if (step_ == Step::Connection) SearchEnded();
  if (step_ == Step::Confirmation) SaveEnded();
  f_.Timer->SetEnabled(false);
  waitTicks_ = kWaitTicks;
}

void Wizard::NextWaitFrame() {
  // The animation's frame carries over from wait to wait.
  switch (frame_) {
    case WaitFrame::None:
      f_.check01->show();
      frame_ = WaitFrame::First;
      break;
    case WaitFrame::First:
      f_.check01->hide();
      f_.check02->show();
      frame_ = WaitFrame::Second;
      break;
    case WaitFrame::Second:
      f_.check02->hide();
      f_.check03->show();
      frame_ = WaitFrame::Third;
      break;
    case WaitFrame::Third:
      f_.check03->hide();
      frame_ = WaitFrame::None;
      break;
  }
}

void Wizard::NoteWaitOver() const {
  if (link::DebugEnabled()) {
    const long long drops = f_.ZEL_UDPSocket1->DroppedBySystem();
    link::DebugLine(QString("wait over on step %1: %2 access point(s) listed; %3")
                        .arg(static_cast<int>(step_))
                        .arg(f_.ap_list->count())
                        .arg(drops < 0 ? QString("this system does not count dropped datagrams")
                                       : QString("%1 datagram(s) dropped by the system for want of buffer space")
                                             .arg(drops - dropsAtWaitStart_)));
  }
}

// The search's wait is over: the list, or the panel that says none answered.
void Wizard::SearchEnded() {
  if (f_.ap_list->count() > 0) {
    SetStep(Step::AccessPointList);
    SetVisible({f_.check01, f_.check02, f_.check03, f_.bar, f_.checklink}, false);
    EnterListPage();
    DescribeChosen();
    SetEnabled({f_.b_min, f_.b_close, f_.b_back, f_.b_setup}, true);
    SetStatusLabelsVisible(true);
  } else {
    SearchFailed(true);
  }
}

// The save's wait is over: the completion page, or the panel that says no acknowledgement came.
void Wizard::SaveEnded() {
  if (acknowledged_) {
    SetStep(Step::Completion);
    ShowPage(f_.exit1);
    SetVisible({f_.check01, f_.check02, f_.check03, f_.checklink, f_.bar}, false);
    SetVisible({f_.l_ip, f_.l_essid, f_.l_ch, f_.l_wep, f_.l_dhcp, f_.e_dhcp, f_.e_ip, f_.e_ess, f_.e_ch, f_.e_wep},
               false);
    f_.b_min->setEnabled(true);
    f_.b_close->setEnabled(true);
    f_.SetFace(f_.b_exit, "b_exit_off");
    f_.b_exit->setEnabled(true);
    f_.b_exit->show();
    f_.b_back->hide();
    f_.b_setup->hide();
  } else {
    LayErrorPanel();
    f_.l_dhcp->hide();
    SetVisible({f_.e_ip, f_.e_dhcp, f_.e_ess, f_.e_ch, f_.e_wep}, false);
    f_.b_back->setEnabled(false);
    f_.b_setup->setEnabled(false);
    SetVisible({f_.check01, f_.check02, f_.check03}, false);
  }
}

void Wizard::errormsgClick(QObject*) {
  f_.errormsg->hide();
  f_.b_setup->setEnabled(true);
  f_.b_exit->setEnabled(true);
  f_.b_min->show();
  f_.b_min->setEnabled(true);
  f_.b_close->setEnabled(true);
  if (step_ == Step::Confirmation) {
    (f_.ip_dhcp->isChecked() ? static_cast<QWidget*>(f_.e_dhcp) : f_.e_ip)->show();
    (DeviceUsedDhcp() ? f_.l_dhcp : f_.l_ip)->show();
    SetVisible({f_.e_ess, f_.e_ch, f_.e_wep}, true);
    f_.b_back->setEnabled(true);
    f_.b_setup->setEnabled(true);
  }
  f_.FocusPageSoon();
}

}  // namespace trx::wizard
