// What the user changed on the way to the confirmation page, measured against the chosen access
// point's settings: for the confirmation page's spoken values and the unsaved-change warnings.
#include "link/devicetext.h"
#include "link/reading.h"
#include "wizard/wizard.h"

namespace trx::wizard {
namespace {

QString Ipv4Text(const link::Ipv4& ip) { return QString::fromStdString(link::FormatIpv4(ip)); }

}  // namespace

void Wizard::DescribeChanges() {
  // Each new value tells the old one beside it, as the chosen access point's record has it; a
  // value left as it was says nothing more.
  const auto describe = [](QLineEdit* field, const QString& was) {
    field->setAccessibleDescription(field->text() == was ? QString() : trx::app::TForm1::tr("Was %1.").arg(was));
  };
  const QString oldAddress = AddressText(device_);
  describe(f_.e_ip, oldAddress);
  describe(f_.e_dhcp, oldAddress);
  describe(f_.e_ess, DeviceEssid());
  describe(f_.e_ch, ChannelText(device_));
  describe(f_.e_wep, WepText(device_));
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
      {trx::app::TForm1::tr("IP Address"), dhcpChosen ? f_.e_dhcp->text() : f_.e_ip->text(), AddressText(device_)},
      {trx::app::TForm1::tr("ESSID"), link::FromDevice(EditedSettings().essid), DeviceEssid()},
      {trx::app::TForm1::tr("Channel"), f_.e_ch->text(), ChannelText(device_)},
      {trx::app::TForm1::tr("WEP"), f_.e_wep->text(), WepText(device_)},
  };
  // The page has no room for these: they are heard only, beside what the device had.
  rows.append({trx::app::TForm1::tr("Host Name"), f_.e_ap->text(), link::FromDevice(device_.hostName)});
  if (!dhcpChosen) {
    rows.append({trx::app::TForm1::tr("Net Mask"), f_.e_mask->text(), Ipv4Text(device_.mask)});
    rows.append({trx::app::TForm1::tr("Gateway"), f_.e_gateway->text(), Ipv4Text(device_.gateway)});
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
  const link::SettingsRecord now = EditedSettings();
  const link::SettingsRecord before = Edited(device_, Shown(device_));
  QString keys;
  if (now.wepOn == before.wepOn && now.keySize == before.keySize && now.keys64 == before.keys64 &&
      now.keys128 == before.keys128 && now.keys256 == before.keys256)
    keys = trx::app::TForm1::tr("WEP keys: unchanged.");
  else if (f_.e_64key1->text().compare(generatedKey1_, Qt::CaseInsensitive) != 0)
    keys = trx::app::TForm1::tr("WEP keys: new; key 1 as typed, keys 2 to 4 made from the pass phrase.");
  else if (now.passphrase != before.passphrase)
    keys = trx::app::TForm1::tr("WEP keys: new, made from the new pass phrase.");
  else
    keys = trx::app::TForm1::tr("WEP keys: new, made from the pass phrase.");
  // The save always puts key 1 in use.
  const int was = link::ReadDefaultKey(device_.defaultKey).value_or(-1) + 1;
  const QString key = was > 1 && was <= 4 ? trx::app::TForm1::tr("Key in use: key 1, was key %1.").arg(was)
                                          : trx::app::TForm1::tr("Key in use: key 1.");
  return keys + ' ' + key;
}

QString Wizard::DeviceEssid() const { return link::FromDevice(device_.essid); }

bool Wizard::ChangesUnsaved() const {
  // From the list page to the confirmation page: what a save would send against what the
  // chosen access point's record gives with nothing typed.
  return step_ >= Step::AccessPointList && step_ <= Step::Confirmation && chosen_ >= 0 &&
         EditedSettings() != Edited(device_, Shown(device_));
}

}  // namespace trx::wizard
