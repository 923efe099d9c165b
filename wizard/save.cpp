// SendSettings: the chosen access point's record with the user's edits, written into a fresh
// settings message and sent once.
#include <algorithm>

#include "input/address.h"
#include "input/wepkeys.h"
#include "link/devicetext.h"
#include "wizard/wizard.h"

namespace trx::wizard {

using app::TEdit;
namespace {

link::Ipv4 Address(const QString& text) { return input::AddressBytes(text.toStdString()); }

template <std::size_t N>
void SetKey(std::array<std::uint8_t, N>& key, const QString& text) {
  const auto bytes = input::KeyBytes(text.toStdString(), N);
  std::copy_n(bytes.begin(), std::min(bytes.size(), N), key.begin());
}

}  // namespace

Wizard::Entries Wizard::Entered() const {
  Entries e;
  e.dhcp = f_.ip_dhcp->isChecked();
  e.ip = f_.e_ip->text();
  e.mask = f_.e_mask->text();
  e.gateway = f_.e_gateway->text();
  e.host = f_.e_ap->text();
  e.channelIndex = f_.s_ch->currentIndex();
  e.essid = f_.e_essid->text();
  e.passphrase = f_.e_pas->text();
  e.wepIndex = f_.s_wep->currentIndex();
  const TEdit* const keys[] = {f_.e_64key1, f_.e_64key2, f_.e_64key3, f_.e_64key4};
  for (std::size_t k = 0; k < 4; ++k) e.keys[k] = keys[k]->text();
  return e;
}

link::SettingsRecord Wizard::Edited(const link::SettingsRecord& device, const Entries& e) {
  link::SettingsRecord s = device;  // firmware, MAC and domain as the device reported them
  s.addressMode = e.dhcp ? 0 : 1;
  s.ip = Address(e.ip);
  s.mask = Address(e.mask);
  s.gateway = Address(e.gateway);
  s.hostName = link::ToDevice(e.host);
  s.channel = static_cast<std::uint8_t>(e.channelIndex + 1);  // 0: none chosen
  s.essid = link::ToDevice(e.essid);
  s.passphrase = link::ToDevice(e.passphrase);
  s.defaultKey = 0;  // the save always puts key 1 in use

  // Off (or nothing chosen) keeps the device's own size and keys, which then go back as they are.
  const int size = e.wepIndex;
  s.wepOn = size >= 1 && size <= 3 ? 1 : 0;
  if (s.wepOn) {
    s.keySize = static_cast<std::uint8_t>(size);
    for (std::size_t k = 0; k < 4; ++k) {
      if (size == 1) SetKey(s.keys64[k], e.keys[k]);
      if (size == 2) SetKey(s.keys128[k], e.keys[k]);
      if (size == 3) SetKey(s.keys256[k], e.keys[k]);
    }
  }
  return s;
}

link::SettingsRecord Wizard::EditedSettings() const { return Edited(device_, Entered()); }

void Wizard::SendSettings() {
  // Each save starts from zeros: nothing of an earlier save, to this or another unit, goes along.
  message_.fill(0);
  link::WriteSettingsMessage(EditedSettings(), message_, link::kWizardRules);
  f_.ZEL_UDPSocket1->SendBytes(message_.data(), static_cast<int>(link::kSettingsMessageSize));
}

}  // namespace trx::wizard
