// Page layouts: what each page shows, hides, moves, enables and disables, by the way in.
#include <cmath>

#include "app/form1.h"

namespace trx::app {

void TForm1::ShowPage(TImage* store) { welcome->CopyPictureFrom(store); }

void TForm1::SetVisible(std::initializer_list<QWidget*> controls, bool visible) {
  for (QWidget* w : controls) w->setVisible(visible);
}

void TForm1::SetEnabled(std::initializer_list<QWidget*> controls, bool enabled) {
  for (QWidget* w : controls) w->setEnabled(enabled);
}

void TForm1::SetStatusLabelsVisible(bool visible) {
  SetVisible({l_domain, l_fw, l_mac, l_ip, l_essid, l_ch, l_wep}, visible);
}

// The form is laid out at 96 pixels per inch; at a setting that is no multiple of it the
// moved controls are placed anew. The correction is one of the form scaled to the screen, in
// that form's pixels (integer arithmetic, product first); Qt keeps the form at its 96-ppi
// size and scales it itself, so the result comes back to the form's own pixels.
void TForm1::CorrectForDensity(QWidget* control, int leftOffset, bool scaleLeft) {
  const int ppi = ScreenPpi();
  if (ppi <= 0 || ppi % 96 == 0) return;
  const auto back = [ppi](int scaled) { return static_cast<int>(std::lround(scaled * 96.0 / ppi)); };
  const int left = scaleLeft ? back(control->x() * ppi / 96 - leftOffset) : control->x();
  control->move(left, back(control->y() * ppi / 96 - 5));
}

void TForm1::EnterConnectionPageFromWelcome() {
  ShowPage(step);
  b_help->hide();
  b_web->hide();
  SetFace(b_setup, "b_next_off", b_next);
  b_setup->move(b_setup->x(), 299);
  CorrectForDensity(b_setup, 0, false);
}

void TForm1::EnterConnectionPageFromConfirmation() {
  ShowPage(step);
  LeaveConfirmationPage();
  SetFace(b_setup, "b_next_off");
  SetFace(b_exit, "b_exit_off");
  b_exit->show();
  b_back->hide();
}

void TForm1::EnterListPage() {
  ShowPage(no1);
  b_setup->show();
  SetFace(b_setup, "b_yes_off");
  SetFace(b_exit, "b_no_off");
  b_exit->show();
  b_exit->setEnabled(true);
  b_back->hide();
  ap_list->show();
}

void TForm1::EnterListPageFromBasic() {
  bar->hide();
  checklink->hide();
  EnterListPage();
  b_setup->setEnabled(true);
  SetStatusLabelsVisible(true);
  SetVisible({s_ch, e_essid, e_ap}, false);
}

void TForm1::EnterBasicFromList() {
  ShowPage(no2);
  b_exit->hide();
  SetFace(b_setup, "b_next_off");
  b_back->show();
  SetFace(b_back, "b_back_off");
  SetStatusLabelsVisible(false);
  SetVisible({e_essid, s_ch, e_ap}, true);
  ap_list->hide();
}

void TForm1::EnterBasicFromIp() {
  ShowPage(no2);
  SetVisible({e_essid, s_ch, e_ap}, true);
  SetVisible({e_ip, e_mask, e_gateway, ip_dhcp, ip_ip}, false);
  SetEnabled({e_ip, e_mask, e_gateway}, !ip_dhcp->isChecked());
}

void TForm1::EnterIpFromBasic() {
  ShowPage(no3);
  SetVisible({e_ip, e_mask, e_gateway, ip_dhcp, ip_ip}, true);
  SetEnabled({e_ip, e_mask, e_gateway}, !ip_dhcp->isChecked());
  SetVisible({e_essid, s_ch, e_ap}, false);
}

void TForm1::EnterIpFromWep() {
  ShowPage(no3);
  SetVisible({e_ip, e_mask, e_gateway, ip_dhcp, ip_ip}, true);
  s_wep->hide();
  e_pas->hide();
}

void TForm1::EnterWepFromIp() {
  s_wep->show();
  e_pas->show();
  SetVisible({e_ip, e_mask, e_gateway, ip_dhcp, ip_ip}, false);
  ShowPage(no4);
}

void TForm1::EnterWepFromKeys() {
  SetVisible({e_64key1, e_64key2, e_64key3, e_64key4, wepsel, weptype}, false);
  s_wep->show();
  e_pas->show();
  ShowPage(no4);
}

void TForm1::EnterKeysFromWep() {
  s_wep->hide();
  e_pas->hide();
  e_64key1->show();
  ShowPage(no5);
}

void TForm1::ShowConfirmationPage(bool fromWepSettings) {
  ShowPage(no6);

  // Old values, greyed, in the left column.
  const bool deviceUsedDhcp = l_dhcp->Hint != "off";
  if (!deviceUsedDhcp) l_ip->move(128, 257);
  TLabel* const address = deviceUsedDhcp ? l_dhcp : l_ip;
  l_essid->move(128, 273);
  l_ch->move(128, 290);
  l_wep->move(128, 307);
  for (TLabel* label : {address, l_essid, l_ch, l_wep}) {
    label->show();
    label->setEnabled(false);
  }

  // New values in the right column.
  const bool dhcpChosen = ip_dhcp->isChecked();
  if (dhcpChosen) {
    e_dhcp->show();
  } else {
    e_ip->setReadOnly(true);
    e_ip->setCursor(Qt::ArrowCursor);
    e_ip->setEnabled(true);
    e_ip->move(336, fromWepSettings ? 258 : 257);
    e_ip->show();
  }
  e_ess->show();
  // Only the controls placed here are corrected, so that leaving the page undoes exactly this.
  if (!deviceUsedDhcp) CorrectForDensity(l_ip, 0, true);
  for (TLabel* label : {l_essid, l_ch, l_wep}) CorrectForDensity(label, 0, true);
  if (!dhcpChosen) CorrectForDensity(e_ip, 6, true);

  if (s_wep->currentIndex() >= 0) e_wep->setText(s_wep->currentText());
  e_wep->show();
  if (s_ch->currentIndex() >= 0) e_ch->setText(QString::number(s_ch->currentIndex() + 1));
  e_ch->show();

  SetFace(b_setup, "b_yes_off");
  SetFace(b_back, "b_no_off");
}

void TForm1::LeaveConfirmationPage() {
  const bool deviceUsedDhcp = l_dhcp->Hint != "off";
  if (!deviceUsedDhcp) {
    l_ip->hide();
    l_ip->move(314, 302);
    l_ip->setEnabled(true);
  } else {
    l_dhcp->hide();
  }
  l_essid->hide();
  l_essid->move(314, 316);
  l_ch->hide();
  l_ch->move(314, 335);
  l_wep->hide();
  l_wep->move(314, 352);
  for (TLabel* label : {l_essid, l_ch, l_wep}) label->setEnabled(true);

  const bool dhcpChosen = ip_dhcp->isChecked();
  if (dhcpChosen) {
    e_dhcp->hide();
  } else {
    e_ip->hide();
    e_ip->setReadOnly(false);
    e_ip->unsetCursor();
    e_ip->move(89, 269);
  }
  SetVisible({e_ess, e_ch, e_wep}, false);

  if (!deviceUsedDhcp) CorrectForDensity(l_ip, 6, true);
  for (TLabel* label : {l_essid, l_ch, l_wep}) CorrectForDensity(label, 6, true);
  if (!dhcpChosen) CorrectForDensity(e_ip, 6, true);
}

}  // namespace trx::app
