// The wizard's state machine: the forward and back buttons dispatch on the step held in
// the Hint of the page picture; the search and the save start here.
#include <QApplication>
#include <QMessageBox>

#include "app/devicetext.h"
#include "link/messages.h"
#include "wizard/wizard.h"

namespace trx::wizard {
namespace {

// A state kept as one digit in a Hint; any other text reads as the enum's last value, Unknown.
template <class State>
State ReadDigit(const QString& text) {
  const int value = text.size() == 1 ? text[0].unicode() - '0' : -1;
  return value >= 0 && value < static_cast<int>(State::Unknown) ? static_cast<State>(value) : State::Unknown;
}

template <class State>
void WriteDigit(QString& hint, State state) {
  if (state != State::Unknown) hint = QString::number(static_cast<int>(state));
}

}  // namespace

Step CurrentStep(const TForm1& form) { return ReadDigit<Step>(form.welcome->Hint); }
void SetStep(TForm1& form, Step step) {
  WriteDigit(form.welcome->Hint, step);
  form.FocusPageSoon();  // every page change, whatever caused it
}
WaitFrame CurrentWaitFrame(const TForm1& form) { return ReadDigit<WaitFrame>(form.checklink->Hint); }
void SetWaitFrame(TForm1& form, WaitFrame frame) { WriteDigit(form.checklink->Hint, frame); }

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
    case Step::Connection: StartSearch(); break;
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
    case Step::Confirmation: StartSave(); break;
    case Step::Completion:
    case Step::Unknown: break;
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
    case Step::Unknown: break;
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
  FocusPage();  // the progress bar, the one control that shows during the wait
  ap_list->clear();
  replies_.clear();
  copies_.Clear();
  std::uint16_t request[link::kSearchRequest.size()];
  for (std::size_t i = 0; i < link::kSearchRequest.size(); ++i)
    request[i] = static_cast<std::uint8_t>(link::kSearchRequest[i]);
  dropsAtWaitStart_ = ZEL_UDPSocket1->DroppedBySystem();
  ZEL_UDPSocket1->SendBuffer(request, static_cast<int>(link::kSearchRequest.size()));
  Timer->SetEnabled(true);
}

void TForm1::StartSave() {
  InformationBox(tr(kSaveNote), QMessageBox::Ok, QMessageBox::Information);
  SetEnabled({b_min, b_close, b_setup, b_back}, false);
  checklink->show();
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  bar->SetPosition(0);
  bar->show();
  FocusPage();
  RestartWait(*this);
  // Only an acknowledgement of this save may count: a late one from an earlier, failed
  // save would otherwise report this one as done.
  ackFlag_ = 0;
  dropsAtWaitStart_ = ZEL_UDPSocket1->DroppedBySystem();
  SendSettings();
  Timer->SetEnabled(true);
}

void TForm1::ip_dhcpClick(QObject*) { SetEnabled({e_ip, e_mask, e_gateway}, false); }

void TForm1::ip_ipClick(QObject*) { SetEnabled({e_ip, e_mask, e_gateway}, true); }

}  // namespace trx::app
