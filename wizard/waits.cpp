// The three-second waits for the network: progress, animation, and where each wait ends.
#include "link/debuglog.h"
#include "wizard/wizard.h"

namespace trx::wizard {

void RestartWait(TForm1& form) {
  form.Timer->SetEnabled(false);
  form.Timer->Tag = 6;
}

}  // namespace trx::wizard

namespace trx::app {

using namespace wizard;

void TForm1::TimerTimer(QObject*) {
  Timer->Tag -= 1;
  bar->SetPosition(bar->Position() + 20);

  // The animation phase lives in the wait panel's Hint and carries over from wait to wait.
  switch (CurrentWaitFrame(*this)) {
    case WaitFrame::None:
      check01->show();
      SetWaitFrame(*this, WaitFrame::First);
      break;
    case WaitFrame::First:
      check01->hide();
      check02->show();
      SetWaitFrame(*this, WaitFrame::Second);
      break;
    case WaitFrame::Second:
      check02->hide();
      check03->show();
      SetWaitFrame(*this, WaitFrame::Third);
      break;
    case WaitFrame::Third:
      check03->hide();
      SetWaitFrame(*this, WaitFrame::None);
      break;
    case WaitFrame::Unknown: break;
  }

  if (Timer->Tag != 0) return;

  if (link::DebugEnabled()) {
    const long long drops = ZEL_UDPSocket1->DroppedBySystem();
    link::DebugLine(QString("wait over on step %1: %2 access point(s) listed; %3")
                        .arg(WizardStep())
                        .arg(ap_list->count())
                        .arg(drops < 0 ? QString("this system does not count dropped datagrams")
                                       : QString("%1 datagram(s) dropped by the system for want of buffer space")
                                             .arg(drops - dropsAtWaitStart_)));
  }
  switch (CurrentStep(*this)) {
    case Step::Connection:
      if (ap_list->count() > 0) {
        SetVisible({check01, check02, check03, bar, checklink}, false);
        EnterListPage(*this);
        DescribeChosenEntry();
        RememberSettings();  // what the user changes from here on is measured against this
        SetEnabled({b_min, b_close, b_back, b_setup}, true);
        SetStatusLabelsVisible(*this, true);
        SetStep(*this, Step::AccessPointList);
      } else {
        SearchFailed(true);
      }
      break;
    case Step::Confirmation:
      if (ackFlag_ == 1) {
        ShowPage(*this, exit1);
        SetVisible({check01, check02, check03, checklink, bar}, false);
        SetVisible({l_ip, l_essid, l_ch, l_wep, l_dhcp, e_dhcp, e_ip, e_ess, e_ch, e_wep}, false);
        b_min->setEnabled(true);
        b_close->setEnabled(true);
        SetFace(b_exit, "b_exit_off");
        b_exit->setEnabled(true);
        b_exit->show();
        b_back->hide();
        b_setup->hide();
        SetStep(*this, Step::Completion);
      } else {
        LayErrorPanel();
        l_dhcp->hide();
        SetVisible({e_ip, e_dhcp, e_ess, e_ch, e_wep}, false);
        b_back->setEnabled(false);
        b_setup->setEnabled(false);
        SetVisible({check01, check02, check03}, false);
      }
      break;
    case Step::Welcome:
    case Step::AccessPointList:
    case Step::BasicSettings:
    case Step::IpSettings:
    case Step::WepSettings:
    case Step::WepKey:
    case Step::Completion:
    case Step::Unknown: break;
  }

  Timer->SetEnabled(false);
  Timer->Tag = 6;
}

void TForm1::errormsgClick(QObject*) {
  errormsg->hide();
  b_setup->setEnabled(true);
  b_exit->setEnabled(true);
  b_min->show();
  b_min->setEnabled(true);
  b_close->setEnabled(true);
  if (CurrentStep(*this) == Step::Confirmation) {
    (ip_dhcp->isChecked() ? static_cast<QWidget*>(e_dhcp) : e_ip)->show();
    (l_dhcp->Hint == "off" ? l_ip : l_dhcp)->show();
    SetVisible({e_ess, e_ch, e_wep}, true);
    b_back->setEnabled(true);
    b_setup->setEnabled(true);
  }
  FocusPageSoon();
}

}  // namespace trx::app
