// The wizard's state machine: the forward and back buttons dispatch on the step held in
// the Hint of the page picture; the search and the save start here.
#include <QApplication>
#include <QMessageBox>

#include "app/devicetext.h"
#include "link/messages.h"
#include "wizard/wizard.h"

namespace trx::wizard {


Step CurrentStep(const TForm1& form) {
  const QString& text = form.welcome->Hint;
  if (text.size() != 1 || text[0] < '0' || text[0] > '8') return Step::Unknown;
  return static_cast<Step>(text[0].unicode() - '0');
}

void SetStep(TForm1& form, Step step) {
  if (step != Step::Unknown) form.welcome->Hint = QString::number(static_cast<int>(step));
}

WaitFrame CurrentWaitFrame(const TForm1& form) {
  const QString& text = form.checklink->Hint;
  if (text.size() != 1 || text[0] < '0' || text[0] > '3') return WaitFrame::Unknown;
  return static_cast<WaitFrame>(text[0].unicode() - '0');
}

void SetWaitFrame(TForm1& form, WaitFrame frame) {
  if (frame != WaitFrame::Unknown) form.checklink->Hint = QString::number(static_cast<int>(frame));
}

}  // namespace trx::wizard

namespace trx::app {

using namespace wizard;

void TForm1::StartWizard() { SetStep(*this, Step::Welcome); }

void TForm1::b_setupClick(QObject*) {
  switch (CurrentStep(*this)) {
    case Step::Welcome:
      EnterConnectionPageFromWelcome(*this);
      SetStep(*this, Step::Connection);
      break;
    case Step::Connection:
      StartSearch();
      break;
    case Step::AccessPointList:
      EnterBasicFromList(*this);
      SetStep(*this, Step::BasicSettings);
      break;
    case Step::BasicSettings:
      if (!CheckEssid()) return;
      e_ess->setText(ShortEssid(e_essid->text()));
      e_ess->Hint = e_essid->text();
      EnterIpFromBasic(*this);
      SetStep(*this, Step::IpSettings);
      break;
    case Step::IpSettings: {
      if (!CheckAddressPage()) return;
      // A pass phrase that is still the device's own stays hidden.
      const bool unchanged = e_pas->text() == wep_tmp->Caption();
      e_pas->SetMasked(unchanged);
      if (unchanged) e_pas->Hint.clear();
      EnterWepFromIp(*this);
      SetStep(*this, Step::WepSettings);
      break;
    }
    case Step::WepSettings:
      // A WEP state the device reported but the list cannot show leaves no selection: the
      // page goes on as for "Disable", and that is what the confirmation shows and the save writes.
      if (s_wep->currentIndex() < 0) s_wep->setCurrentIndex(0);
      GenerateWepKeys();
      if (s_wep->currentIndex() != 0) {
        EnterKeysFromWep(*this);
        SetStep(*this, Step::WepKey);
      } else {
        s_wep->hide();
        e_pas->hide();
        ShowConfirmationPage(true);
        SetStep(*this, Step::Confirmation);
      }
      break;
    case Step::WepKey:
      if (!CheckKeyField()) return;
      SetVisible({weptype, wepsel, e_64key1, e_64key2, e_64key3, e_64key4}, false);
      ShowConfirmationPage(false);
      SetStep(*this, Step::Confirmation);
      break;
    case Step::Confirmation:
      StartSave();
      break;
    case Step::Completion:
    case Step::Unknown:
      break;
  }
}

void TForm1::b_backClick(QObject*) {
  switch (CurrentStep(*this)) {
    case Step::BasicSettings:
      if (!CheckEssid()) return;
      EnterListPageFromBasic(*this);
      SetStep(*this, Step::AccessPointList);
      break;
    case Step::IpSettings:
      if (!CheckAddressPage()) return;
      EnterBasicFromIp(*this);
      SetStep(*this, Step::BasicSettings);
      break;
    case Step::WepSettings:
      EnterIpFromWep(*this);
      SetStep(*this, Step::IpSettings);
      break;
    case Step::WepKey:
      EnterWepFromKeys(*this);
      SetStep(*this, Step::WepSettings);
      break;
    case Step::Confirmation:
      // No on the confirmation page starts over with a fresh search.
      EnterConnectionPageFromConfirmation(*this);
      SetStep(*this, Step::Connection);
      break;
    case Step::Welcome:
    case Step::Connection:
    case Step::AccessPointList:
    case Step::Completion:
    case Step::Unknown:
      break;
  }
}

void TForm1::StartSearch() {
  checklink->show();
  // Paint the wait panel now; input waits until the buttons below are disabled.
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  bar->SetPosition(0);
  bar->show();
  RestartWait(*this);
  SetEnabled({b_min, b_close, b_exit, b_back, b_setup}, false);
  ap_list->clear();
  replies_.clear();
  std::uint16_t request[link::kSearchRequest.size()];
  for (std::size_t i = 0; i < link::kSearchRequest.size(); ++i)
    request[i] = static_cast<std::uint8_t>(link::kSearchRequest[i]);
  dropsAtWaitStart_ = ZEL_UDPSocket1->DroppedBySystem();
  ZEL_UDPSocket1->SendBuffer(request, static_cast<int>(link::kSearchRequest.size()));
  Timer->SetEnabled(true);
}

void TForm1::StartSave() {
  InformationBox(kSaveNote, QMessageBox::Ok, QMessageBox::Information);
  SetEnabled({b_min, b_close, b_setup, b_back}, false);
  checklink->show();
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  bar->SetPosition(0);
  bar->show();
  RestartWait(*this);
  // Only an acknowledgement of this save may count: a late one from an earlier, failed
  // save would otherwise report this one as done.
  ackFlag_ = 0;
  dropsAtWaitStart_ = ZEL_UDPSocket1->DroppedBySystem();
  SendSettings();
  Timer->SetEnabled(true);
}

void TForm1::ip_dhcpClick(QObject*) {
  SetEnabled({e_ip, e_mask, e_gateway}, false);
}

void TForm1::ip_ipClick(QObject*) {
  SetEnabled({e_ip, e_mask, e_gateway}, true);
}

}  // namespace trx::app
