// The wizard's state machine: the forward and back buttons dispatch on the step; the search
// and the save start here.
#include <QApplication>
#include <QMessageBox>

#include "app/devicetext.h"
#include "link/devicetext.h"
#include "link/messages.h"
#include "wizard/wizard.h"

namespace trx::wizard {

using app::TEdit;
using app::TImage;

Wizard::Wizard(TForm1& form) : f_(form), formAlive_(&form) {
  if (f_.HasAllControls())
    WireHandlers();
  else  // the welcome page shows none of the controls still to come
    connect(&f_, &TForm1::AllControlsMade, this, &Wizard::WireHandlers);
  f_.SetPageContext(this);
  SetStep(Step::Welcome);
}

Wizard::~Wizard() {
  if (formAlive_) formAlive_->SetPageContext(nullptr);
}

void Wizard::WireHandlers() {
  connect(f_.b_setup, &TImage::OnClick, this, &Wizard::b_setupClick);
  connect(f_.b_back, &TImage::OnClick, this, &Wizard::b_backClick);
  connect(f_.errormsg, &TImage::OnClick, this, &Wizard::errormsgClick);
  connect(f_.e_ip, &TEdit::OnExit, this, &Wizard::e_ipExit);
  connect(f_.e_dhcp, &TEdit::OnExit, this, &Wizard::e_ipExit);
  connect(f_.e_mask, &TEdit::OnExit, this, &Wizard::e_maskExit);
  connect(f_.e_gateway, &TEdit::OnExit, this, &Wizard::e_gatewayExit);
  connect(f_.s_wep, &app::TComboBox::OnCloseUp, this, &Wizard::s_wepCloseUp);
  connect(f_.ap_list, &app::TListBox::OnClick, this, &Wizard::ap_listClick);
  connect(f_.ip_dhcp, &app::TRadioButton::OnClick, this, &Wizard::ip_dhcpClick);
  connect(f_.ip_ip, &app::TRadioButton::OnClick, this, &Wizard::ip_ipClick);
  connect(f_.Timer, &app::TTimer::OnTimer, this, &Wizard::TimerTimer);

  // A turn's datagrams are read one by one; the controls follow once, at the end of the turn.
  connect(f_.ZEL_UDPSocket1, &link::TZEL_UDPSocket::OnRecv, this, [this](QObject* s, const std::uint8_t* buf, int len) {
    receivingBurst_ = true;
    ZEL_UDPSocket1Recv(s, buf, len);
  });
  connect(f_.ZEL_UDPSocket1, &link::TZEL_UDPSocket::OnRecvDone, this, [this] {
    receivingBurst_ = false;
    ShowReadReplies();
  });
  // Nothing but replies and acknowledgements is ever taken: the system drops the rest before
  // it takes room that a burst of replies needs.
  f_.ZEL_UDPSocket1->SetAcceptedHeaders({std::string(link::kReplySignature), std::string(link::kAckHeader)},
                                        link::UdpSocket::HeaderCheck::InSystem);
  // Nothing past a reply's record is read: a flood of large datagrams waiting for their turn
  // costs no more than that each.
  f_.ZEL_UDPSocket1->SetLargestKept(static_cast<int>(link::kSmallestReply));
}

// Before the page is laid out: what assistive technology reads as the picture changes is the
// new page's.
void Wizard::SetStep(Step step) {
  step_ = step;
  f_.FocusPageSoon();  // every page change, whatever caused it
}

void Wizard::b_setupClick(QObject*) {
  switch (step_) {
    case Step::Welcome:
      SetStep(Step::Connection);
      EnterConnectionPageFromWelcome();
      break;
    case Step::Connection: StartSearch(); break;
    case Step::AccessPointList:
      SetStep(Step::BasicSettings);
      EnterBasicFromList();
      break;
    case Step::BasicSettings:
      if (!CheckEssid()) return;
      f_.e_ess->setText(app::ShortEssid(f_.e_essid->text()));
      f_.e_ess->Hint = f_.e_essid->text();
      SetStep(Step::IpSettings);
      EnterIpFromBasic();
      break;
    case Step::IpSettings: {
      if (!CheckAddressPage()) return;
      // A pass phrase that is still the device's own stays hidden.
      const bool unchanged = f_.e_pas->text() == link::FromDevice(device_.passphrase);
      f_.e_pas->SetMasked(unchanged);
      if (unchanged) f_.e_pas->Hint.clear();
      SetStep(Step::WepSettings);
      EnterWepFromIp();
      break;
    }
    case Step::WepSettings:
      // A WEP state the device reported but the list cannot show leaves no selection: the
      // page goes on as for "Disable", and that is what the confirmation shows and the save writes.
      if (f_.s_wep->currentIndex() < 0) f_.s_wep->setCurrentIndex(0);
      if (!CheckKeysNotZero()) return;
      GenerateWepKeys();
      if (f_.s_wep->currentIndex() != 0) {
        SetStep(Step::WepKey);
        EnterKeysFromWep();
      } else {
        f_.s_wep->hide();
        f_.e_pas->hide();
        confirmedFromWep_ = true;
        SetStep(Step::Confirmation);
        ShowConfirmationPage(true);
      }
      break;
    case Step::WepKey:
      if (!CheckKeyField()) return;
      SetVisible({f_.weptype, f_.wepsel, f_.e_64key1, f_.e_64key2, f_.e_64key3, f_.e_64key4}, false);
      confirmedFromWep_ = false;
      SetStep(Step::Confirmation);
      ShowConfirmationPage(false);
      break;
    case Step::Confirmation: StartSave(); break;
    case Step::Completion: break;
  }
}

void Wizard::b_backClick(QObject*) {
  switch (step_) {
    case Step::BasicSettings:
      if (!CheckEssid()) return;
      SetStep(Step::AccessPointList);
      EnterListPageFromBasic();
      break;
    case Step::IpSettings:
      if (!CheckAddressPage()) return;
      SetStep(Step::BasicSettings);
      EnterBasicFromIp();
      break;
    case Step::WepSettings:
      SetStep(Step::IpSettings);
      EnterIpFromWep();
      break;
    case Step::WepKey:
      SetStep(Step::WepSettings);
      EnterWepFromKeys();
      break;
    case Step::Confirmation:
      // No throws the changes away, which the next page's announcement says first; it starts
      // over with a fresh search.
      if (ChangesUnsaved()) f_.SayBeforeNextPage(TForm1::tr("The changes were not saved."));
      SetStep(Step::Connection);
      EnterConnectionPageFromConfirmation();
      break;
    case Step::Welcome:
    case Step::Connection:
    case Step::AccessPointList:
    case Step::Completion: break;
  }
}

bool Wizard::StepBackKeepingChanges() {
  // Escape on the confirmation page goes back one page as on every other page: only a press
  // of No, whose face says so, throws the changes away.
  if (step_ != Step::Confirmation || f_.checklink->isVisible() || f_.errormsg->isVisible()) return false;
  LeaveConfirmationPage();
  if (confirmedFromWep_) {
    SetStep(Step::WepSettings);
    EnterWepFromKeys();
  } else {
    f_.e_64key1->show();
    SetStep(Step::WepKey);
    ShowPage(f_.no5);
  }
  f_.SetFace(f_.b_setup, "b_next_off");
  f_.SetFace(f_.b_back, "b_back_off");
  return true;
}

void Wizard::StartSearch() {
  f_.checklink->show();
  // Paint the wait panel now; input waits until the buttons below are disabled.
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  f_.bar->SetPosition(0);
  f_.bar->show();
  RestartWait();
  SetEnabled({f_.b_min, f_.b_close, f_.b_exit, f_.b_back, f_.b_setup}, false);
  f_.FocusPage();  // the progress bar, the one control that shows during the wait
  f_.ap_list->clear();
  replies_.clear();
  answers_.Clear();
  listedAs_.clear();
  toMark_.clear();
  chosen_ = -1;  // the controls keep the last record shown until a reply of this search replaces it
  const link::Bytes request = link::SearchRequest();
  dropsAtWaitStart_ = f_.ZEL_UDPSocket1->DroppedBySystem();
  f_.ZEL_UDPSocket1->SendBytes(request.data(), static_cast<int>(request.size()));
  f_.Timer->SetEnabled(true);
}

void Wizard::StartSave() {
  if (!ConfirmTwinSave()) return;
  f_.InformationBox(TForm1::tr(TForm1::kSaveNote), QMessageBox::Ok, QMessageBox::Information);
  SetEnabled({f_.b_min, f_.b_close, f_.b_setup, f_.b_back}, false);
  f_.checklink->show();
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  f_.bar->SetPosition(0);
  f_.bar->show();
  f_.FocusPage();
  RestartWait();
  // Only an acknowledgement of this save may count: a late one from an earlier, failed
  // save would otherwise report this one as done.
  acknowledged_ = false;
  saveTo_ =
      chosen_ >= 0 && chosen_ < StoredReplyCount() ? replies_[static_cast<std::size_t>(chosen_)].from : QHostAddress();
  dropsAtWaitStart_ = f_.ZEL_UDPSocket1->DroppedBySystem();
  SendSettings();
  // The fixed address this save gives it, which it may already answer from.
  saveToNew_ = f_.ip_ip->isChecked() ? QHostAddress(f_.e_ip->text()) : QHostAddress();
  f_.Timer->SetEnabled(true);
}

bool Wizard::ConfirmTwinSave() {
  if (!IsTwin(chosen_)) return true;
  //: Asked before a save, when more than one device answered the search with one MAC address
  //: (%1), with other settings or from another address. OK saves, Cancel stays on the
  //: confirmation page.
  const QString text = TForm1::tr(
                           "More than one device answers with the MAC address %1. Each of them may take these "
                           "settings. Save anyway?")
                           .arg(QString::fromStdString(link::FormatMac(device_.mac)));
  return f_.InformationBox(text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Warning) == QMessageBox::Ok;
}

void Wizard::ip_dhcpClick(QObject*) { SetEnabled({f_.e_ip, f_.e_mask, f_.e_gateway}, false); }

void Wizard::ip_ipClick(QObject*) { SetEnabled({f_.e_ip, f_.e_mask, f_.e_gateway}, true); }

}  // namespace trx::wizard
