// Page layouts: what each page shows, hides, moves, enables and disables, by the way in.
#include <cmath>

#include "wizard/wizard.h"

namespace trx::wizard {

using app::TImage;

void Wizard::ShowPage(TImage* store) { f_.welcome->CopyPictureFrom(store); }

void SetVisible(std::initializer_list<QWidget*> controls, bool visible) {
  for (QWidget* w : controls) w->setVisible(visible);
}

void SetEnabled(std::initializer_list<QWidget*> controls, bool enabled) {
  for (QWidget* w : controls) w->setEnabled(enabled);
}

void Wizard::SetStatusLabelsVisible(bool visible) {
  SetVisible({f_.l_domain, f_.l_fw, f_.l_mac, f_.l_ip, f_.l_essid, f_.l_ch, f_.l_wep}, visible);
}

// The form is laid out at 96 pixels per inch; at a setting that is no multiple of it the
// moved controls are placed anew. The correction is one of the form scaled to the screen, in
// that form's pixels (integer arithmetic, product first); Qt keeps the form at its 96-ppi
// size and scales it itself, so the result comes back to the form's own pixels.
void Wizard::CorrectForDensity(QWidget* control, int leftOffset, bool scaleLeft) const {
  const int ppi = f_.Platform().ScreenPixelsPerInch();
  if (ppi <= 0 || ppi % 96 == 0) return;
  const auto back = [ppi](int scaled) { return static_cast<int>(std::lround(scaled * 96.0 / ppi)); };
  const int left = scaleLeft ? back(control->x() * ppi / 96 - leftOffset) : control->x();
  control->move(left, back(control->y() * ppi / 96 - 5));
}

void Wizard::EnterConnectionPageFromWelcome() {
  ShowPage(f_.step);
  f_.b_help->hide();
  f_.b_web->hide();
  f_.SetFace(f_.b_setup, "b_next_off", f_.b_next);
  f_.b_setup->move(f_.b_setup->x(), 299);
  CorrectForDensity(f_.b_setup, 0, false);
}

void Wizard::EnterConnectionPageFromConfirmation() {
  ShowPage(f_.step);
  LeaveConfirmationPage();
  f_.SetFace(f_.b_setup, "b_next_off");
  f_.SetFace(f_.b_exit, "b_exit_off");
  f_.b_exit->show();
  f_.b_back->hide();
}

void Wizard::EnterListPage() {
  ShowPage(f_.no1);
  f_.b_setup->show();
  f_.SetFace(f_.b_setup, "b_yes_off");
  f_.SetFace(f_.b_exit, "b_no_off");
  f_.b_exit->show();
  f_.b_exit->setEnabled(true);
  f_.b_back->hide();
  f_.ap_list->show();
}

void Wizard::EnterListPageFromBasic() {
  f_.bar->hide();
  f_.checklink->hide();
  EnterListPage();
  f_.b_setup->setEnabled(true);
  SetStatusLabelsVisible(true);
  SetVisible({f_.s_ch, f_.e_essid, f_.e_ap}, false);
}

void Wizard::EnterBasicFromList() {
  ShowPage(f_.no2);
  f_.b_exit->hide();
  f_.SetFace(f_.b_setup, "b_next_off");
  f_.b_back->show();
  f_.SetFace(f_.b_back, "b_back_off");
  SetStatusLabelsVisible(false);
  SetVisible({f_.e_essid, f_.s_ch, f_.e_ap}, true);
  f_.ap_list->hide();
}

void Wizard::EnterBasicFromIp() {
  ShowPage(f_.no2);
  SetVisible({f_.e_essid, f_.s_ch, f_.e_ap}, true);
  SetVisible({f_.e_ip, f_.e_mask, f_.e_gateway, f_.ip_dhcp, f_.ip_ip}, false);
  SetEnabled({f_.e_ip, f_.e_mask, f_.e_gateway}, !f_.ip_dhcp->isChecked());
}

void Wizard::EnterIpFromBasic() {
  ShowPage(f_.no3);
  SetVisible({f_.e_ip, f_.e_mask, f_.e_gateway, f_.ip_dhcp, f_.ip_ip}, true);
  SetEnabled({f_.e_ip, f_.e_mask, f_.e_gateway}, !f_.ip_dhcp->isChecked());
  SetVisible({f_.e_essid, f_.s_ch, f_.e_ap}, false);
}

void Wizard::EnterIpFromWep() {
  ShowPage(f_.no3);
  SetVisible({f_.e_ip, f_.e_mask, f_.e_gateway, f_.ip_dhcp, f_.ip_ip}, true);
  f_.s_wep->hide();
  f_.e_pas->hide();
}

void Wizard::EnterWepFromIp() {
  f_.s_wep->show();
  f_.e_pas->show();
  SetVisible({f_.e_ip, f_.e_mask, f_.e_gateway, f_.ip_dhcp, f_.ip_ip}, false);
  ShowPage(f_.no4);
}

void Wizard::EnterWepFromKeys() {
  SetVisible({f_.e_64key1, f_.e_64key2, f_.e_64key3, f_.e_64key4, f_.wepsel, f_.weptype}, false);
  f_.s_wep->show();
  f_.e_pas->show();
  ShowPage(f_.no4);
}

void Wizard::EnterKeysFromWep() {
  f_.s_wep->hide();
  f_.e_pas->hide();
  f_.e_64key1->show();
  ShowPage(f_.no5);
}

void Wizard::ShowConfirmationPage(bool fromWepSettings) {
  ShowPage(f_.no6);

  // Old values, greyed, in the left column.
  if (!DeviceUsedDhcp()) f_.l_ip->move(128, 257);
  app::TLabel* const address = DeviceUsedDhcp() ? f_.l_dhcp : f_.l_ip;
  f_.l_essid->move(128, 273);
  f_.l_ch->move(128, 290);
  f_.l_wep->move(128, 307);
  for (app::TLabel* label : {address, f_.l_essid, f_.l_ch, f_.l_wep}) {
    label->show();
    label->setEnabled(false);
  }

  // New values in the right column.
  const bool dhcpChosen = f_.ip_dhcp->isChecked();
  if (dhcpChosen) {
    f_.e_dhcp->show();
  } else {
    f_.e_ip->setReadOnly(true);
    f_.e_ip->setCursor(Qt::ArrowCursor);
    f_.e_ip->setEnabled(true);
    f_.e_ip->move(336, fromWepSettings ? 258 : 257);
    f_.e_ip->show();
  }
  f_.e_ess->show();
  // Only the controls placed here are corrected, so that leaving the page undoes exactly this.
  if (!DeviceUsedDhcp()) CorrectForDensity(f_.l_ip, 0, true);
  for (app::TLabel* label : {f_.l_essid, f_.l_ch, f_.l_wep}) CorrectForDensity(label, 0, true);
  if (!dhcpChosen) CorrectForDensity(f_.e_ip, 6, true);

  if (f_.s_wep->currentIndex() >= 0) f_.e_wep->setText(f_.s_wep->currentText());
  f_.e_wep->show();
  if (f_.s_ch->currentIndex() >= 0) f_.e_ch->setText(QString::number(f_.s_ch->currentIndex() + 1));
  f_.e_ch->show();

  f_.SetFace(f_.b_setup, "b_yes_off");
  f_.SetFace(f_.b_back, "b_no_off");
  DescribeChanges();
}

void Wizard::LeaveConfirmationPage() {
  if (!DeviceUsedDhcp()) {
    f_.l_ip->hide();
    f_.l_ip->move(314, 302);
    f_.l_ip->setEnabled(true);
  } else {
    f_.l_dhcp->hide();
  }
  f_.l_essid->hide();
  f_.l_essid->move(314, 316);
  f_.l_ch->hide();
  f_.l_ch->move(314, 335);
  f_.l_wep->hide();
  f_.l_wep->move(314, 352);
  for (app::TLabel* label : {f_.l_essid, f_.l_ch, f_.l_wep}) label->setEnabled(true);

  const bool dhcpChosen = f_.ip_dhcp->isChecked();
  if (dhcpChosen) {
    f_.e_dhcp->hide();
  } else {
    f_.e_ip->hide();
    f_.e_ip->setReadOnly(false);
    f_.e_ip->unsetCursor();
    f_.e_ip->move(89, 269);
  }
  SetVisible({f_.e_ess, f_.e_ch, f_.e_wep}, false);

  if (!DeviceUsedDhcp()) CorrectForDensity(f_.l_ip, 6, true);
  for (app::TLabel* label : {f_.l_essid, f_.l_ch, f_.l_wep}) CorrectForDensity(label, 6, true);
  if (!dhcpChosen) CorrectForDensity(f_.e_ip, 6, true);
  ForgetChanges();
}

}  // namespace trx::wizard
