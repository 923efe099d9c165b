// Page layouts: what each page shows, hides, moves, enables and disables, by the way in.
#include <cmath>

#include "wizard/wizard.h"

namespace trx::wizard {

using app::TImage;

void ShowPage(TForm1& f, TImage* store) { f.welcome->CopyPictureFrom(store); }

void SetVisible(std::initializer_list<QWidget*> controls, bool visible) {
  for (QWidget* w : controls) w->setVisible(visible);
}

void SetEnabled(std::initializer_list<QWidget*> controls, bool enabled) {
  for (QWidget* w : controls) w->setEnabled(enabled);
}

void SetStatusLabelsVisible(TForm1& f, bool visible) {
  SetVisible({f.l_domain, f.l_fw, f.l_mac, f.l_ip, f.l_essid, f.l_ch, f.l_wep}, visible);
}

// The form is laid out at 96 pixels per inch; at a setting that is no multiple of it the
// moved controls are placed anew. The correction is one of the form scaled to the screen, in
// that form's pixels (integer arithmetic, product first); Qt keeps the form at its 96-ppi
// size and scales it itself, so the result comes back to the form's own pixels.
void CorrectForDensity(const TForm1& f, QWidget* control, int leftOffset, bool scaleLeft) {
  const int ppi = f.Platform().ScreenPixelsPerInch();
  if (ppi <= 0 || ppi % 96 == 0) return;
  const auto back = [ppi](int scaled) { return static_cast<int>(std::lround(scaled * 96.0 / ppi)); };
  const int left = scaleLeft ? back(control->x() * ppi / 96 - leftOffset) : control->x();
  control->move(left, back(control->y() * ppi / 96 - 5));
}

void EnterConnectionPageFromWelcome(TForm1& f) {
  ShowPage(f, f.step);
  f.b_help->hide();
  f.b_web->hide();
  f.SetFace(f.b_setup, "b_next_off", f.b_next);
  f.b_setup->move(f.b_setup->x(), 299);
  CorrectForDensity(f, f.b_setup, 0, false);
}

void EnterConnectionPageFromConfirmation(TForm1& f) {
  ShowPage(f, f.step);
  f.LeaveConfirmationPage();
  f.SetFace(f.b_setup, "b_next_off");
  f.SetFace(f.b_exit, "b_exit_off");
  f.b_exit->show();
  f.b_back->hide();
}

void EnterListPage(TForm1& f) {
  ShowPage(f, f.no1);
  f.b_setup->show();
  f.SetFace(f.b_setup, "b_yes_off");
  f.SetFace(f.b_exit, "b_no_off");
  f.b_exit->show();
  f.b_exit->setEnabled(true);
  f.b_back->hide();
  f.ap_list->show();
}

void EnterListPageFromBasic(TForm1& f) {
  f.bar->hide();
  f.checklink->hide();
  EnterListPage(f);
  f.b_setup->setEnabled(true);
  SetStatusLabelsVisible(f, true);
  SetVisible({f.s_ch, f.e_essid, f.e_ap}, false);
}

void EnterBasicFromList(TForm1& f) {
  ShowPage(f, f.no2);
  f.b_exit->hide();
  f.SetFace(f.b_setup, "b_next_off");
  f.b_back->show();
  f.SetFace(f.b_back, "b_back_off");
  SetStatusLabelsVisible(f, false);
  SetVisible({f.e_essid, f.s_ch, f.e_ap}, true);
  f.ap_list->hide();
}

void EnterBasicFromIp(TForm1& f) {
  ShowPage(f, f.no2);
  SetVisible({f.e_essid, f.s_ch, f.e_ap}, true);
  SetVisible({f.e_ip, f.e_mask, f.e_gateway, f.ip_dhcp, f.ip_ip}, false);
  SetEnabled({f.e_ip, f.e_mask, f.e_gateway}, !f.ip_dhcp->isChecked());
}

void EnterIpFromBasic(TForm1& f) {
  ShowPage(f, f.no3);
  SetVisible({f.e_ip, f.e_mask, f.e_gateway, f.ip_dhcp, f.ip_ip}, true);
  SetEnabled({f.e_ip, f.e_mask, f.e_gateway}, !f.ip_dhcp->isChecked());
  SetVisible({f.e_essid, f.s_ch, f.e_ap}, false);
}

void EnterIpFromWep(TForm1& f) {
  ShowPage(f, f.no3);
  SetVisible({f.e_ip, f.e_mask, f.e_gateway, f.ip_dhcp, f.ip_ip}, true);
  f.s_wep->hide();
  f.e_pas->hide();
}

void EnterWepFromIp(TForm1& f) {
  f.s_wep->show();
  f.e_pas->show();
  SetVisible({f.e_ip, f.e_mask, f.e_gateway, f.ip_dhcp, f.ip_ip}, false);
  ShowPage(f, f.no4);
}

void EnterWepFromKeys(TForm1& f) {
  SetVisible({f.e_64key1, f.e_64key2, f.e_64key3, f.e_64key4, f.wepsel, f.weptype}, false);
  f.s_wep->show();
  f.e_pas->show();
  ShowPage(f, f.no4);
}

void EnterKeysFromWep(TForm1& f) {
  f.s_wep->hide();
  f.e_pas->hide();
  f.e_64key1->show();
  ShowPage(f, f.no5);
}

}  // namespace trx::wizard

namespace trx::app {

using namespace wizard;

void TForm1::ShowConfirmationPage(bool fromWepSettings) {
  ShowPage(*this, no6);

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
  if (!deviceUsedDhcp) CorrectForDensity(*this, l_ip, 0, true);
  for (TLabel* label : {l_essid, l_ch, l_wep}) CorrectForDensity(*this, label, 0, true);
  if (!dhcpChosen) CorrectForDensity(*this, e_ip, 6, true);

  if (s_wep->currentIndex() >= 0) e_wep->setText(s_wep->currentText());
  e_wep->show();
  if (s_ch->currentIndex() >= 0) e_ch->setText(QString::number(s_ch->currentIndex() + 1));
  e_ch->show();

  SetFace(b_setup, "b_yes_off");
  SetFace(b_back, "b_no_off");
  DescribeChanges();
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

  if (!deviceUsedDhcp) CorrectForDensity(*this, l_ip, 6, true);
  for (TLabel* label : {l_essid, l_ch, l_wep}) CorrectForDensity(*this, label, 6, true);
  if (!dhcpChosen) CorrectForDensity(*this, e_ip, 6, true);
  ForgetChanges();
}

}  // namespace trx::app
