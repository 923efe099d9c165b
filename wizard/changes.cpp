// What the user changed on the way to the confirmation page, measured against the chosen access
// point's settings: for the confirmation page's spoken values and the unsaved-change warnings.
#include "link/devicetext.h"
#include "wizard/wizard.h"

namespace trx::wizard {
namespace {

// What the settings pages hold, one text each, in this order.
enum Setting { kEssid, kChannel, kHost, kDhcp, kIp, kMask, kGateway, kWep, kPhrase, kKeys, kSettingCount };

}  // namespace

void Wizard::DescribeChanges() {
  // Each new value tells the old one beside it.
  const QString oldAddress = deviceUsedDhcp_ ? f_.l_dhcp->Caption() : f_.l_ip->Caption();
  for (QWidget* address : {static_cast<QWidget*>(f_.e_ip), static_cast<QWidget*>(f_.e_dhcp)})
    address->setAccessibleDescription(trx::app::TForm1::tr("Was %1.").arg(oldAddress));
  f_.e_ess->setAccessibleDescription(trx::app::TForm1::tr("Was %1.").arg(DeviceEssid()));
  f_.e_ch->setAccessibleDescription(trx::app::TForm1::tr("Was %1.").arg(f_.l_ch->Caption()));
  f_.e_wep->setAccessibleDescription(trx::app::TForm1::tr("Was %1.").arg(f_.l_wep->Caption()));
}

void Wizard::ForgetChanges() {
  for (QWidget* field :
       {static_cast<QWidget*>(f_.e_ip), static_cast<QWidget*>(f_.e_dhcp), static_cast<QWidget*>(f_.e_ess),
        static_cast<QWidget*>(f_.e_ch), static_cast<QWidget*>(f_.e_wep)})
    field->setAccessibleDescription({});
}

QStringList Wizard::ChangeSentences() const {
  if (step_ != Step::Confirmation || f_.checklink->isVisible() || f_.errormsg->isVisible()) return {};
  const bool dhcpChosen = f_.ip_dhcp->isChecked();
  QList<std::array<QString, 3>> rows = {
      {trx::app::TForm1::tr("IP Address"), dhcpChosen ? f_.e_dhcp->text() : f_.e_ip->text(),
       deviceUsedDhcp_ ? f_.l_dhcp->Caption() : f_.l_ip->Caption()},
      {trx::app::TForm1::tr("ESSID"), link::FromDevice(EditedSettings().essid), DeviceEssid()},
      {trx::app::TForm1::tr("Channel"), f_.e_ch->text(), f_.l_ch->Caption()},
      {trx::app::TForm1::tr("WEP"), f_.e_wep->text(), f_.l_wep->Caption()},
  };
  // The page has no room for these: they are heard only, beside what the device had.
  const QStringList before = remembered_.size() == kSettingCount ? remembered_ : SettingsEntered();
  rows.append({trx::app::TForm1::tr("Host Name"), f_.e_ap->text(), before[kHost]});
  if (!dhcpChosen) {
    rows.append({trx::app::TForm1::tr("Net Mask"), f_.e_mask->text(), before[kMask]});
    rows.append({trx::app::TForm1::tr("Gateway"), f_.e_gateway->text(), before[kGateway]});
  }
  QStringList text;
  for (const auto& row : rows)
    text << (row[1] == row[2] ? trx::app::TForm1::tr("%1: %2, unchanged.").arg(row[0], row[1])
                              : trx::app::TForm1::tr("%1: %2, was %3.").arg(row[0], row[1], row[2]));
  text << KeySentence();
  text.removeAll(QString());
  return text;
}

QString Wizard::KeySentence() const {
  // What happens to the keys, never the keys: the page shows none of them.
  if (f_.s_wep->currentIndex() <= 0) return {};
  const QStringList now = SettingsEntered();
  const QStringList before = remembered_.size() == kSettingCount ? remembered_ : now;
  QString keys;
  if (now[kKeys] == before[kKeys] && now[kWep] == before[kWep])
    keys = trx::app::TForm1::tr("WEP keys: unchanged.");
  else if (f_.e_64key1->text().compare(generatedKey1_, Qt::CaseInsensitive) != 0)
    keys = trx::app::TForm1::tr("WEP keys: new; key 1 as typed, keys 2 to 4 made from the pass phrase.");
  else if (now[kPhrase] != before[kPhrase])
    keys = trx::app::TForm1::tr("WEP keys: new, made from the new pass phrase.");
  else
    keys = trx::app::TForm1::tr("WEP keys: new, made from the pass phrase.");
  // The save always puts key 1 in use.
  const app::TRadioButton* const inUse[] = {f_.wepkey1, f_.wepkey2, f_.wepkey3, f_.wepkey4};
  int was = 0;
  for (int k = 0; k < 4; ++k)
    if (inUse[k]->isChecked()) was = k + 1;
  const QString key = was > 1 ? trx::app::TForm1::tr("Key in use: key 1, was key %1.").arg(was)
                              : trx::app::TForm1::tr("Key in use: key 1.");
  return keys + ' ' + key;
}

QString Wizard::RememberedHost() const {
  return remembered_.size() == kSettingCount ? remembered_[kHost] : f_.e_ap->text();
}

QStringList Wizard::SettingsEntered() const {
  QStringList s(kSettingCount);
  s[kEssid] = f_.e_essid->text();
  s[kChannel] = QString::number(f_.s_ch->currentIndex());
  s[kHost] = f_.e_ap->text();
  s[kDhcp] = f_.ip_dhcp->isChecked() ? "dhcp" : "fixed";
  s[kIp] = f_.e_ip->text();
  s[kMask] = f_.e_mask->text();
  s[kGateway] = f_.e_gateway->text();
  s[kWep] = QString::number(f_.s_wep->currentIndex());
  s[kPhrase] = f_.e_pas->text();
  for (app::TEdit* key : {f_.e_64key1, f_.e_64key2, f_.e_64key3, f_.e_64key4}) s[kKeys] += key->text() + '\n';
  return s;
}

QString Wizard::DeviceEssid() const { return link::FromDevice(device_.essid); }

void Wizard::RememberSettings() { remembered_ = SettingsEntered(); }

bool Wizard::ChangesUnsaved() const {
  // From the list page to the confirmation page: the fields hold what the user may change.
  return step_ >= Step::AccessPointList && step_ <= Step::Confirmation && !remembered_.isEmpty() &&
         SettingsEntered() != remembered_;
}

}  // namespace trx::wizard
