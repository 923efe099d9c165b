// SendSettings: the chosen access point's settings with the user's edits, written into the
// wizard's own message buffer and sent once.
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

link::SettingsRecord Wizard::EditedSettings() const {
  link::SettingsRecord s = device_;  // firmware, MAC and domain as the device reported them
  s.addressMode = f_.ip_dhcp->isChecked() ? 0 : 1;
  s.ip = Address(f_.e_ip->text());
  s.mask = Address(f_.e_mask->text());
  s.gateway = Address(f_.e_gateway->text());
  s.hostName = link::ToDevice(f_.e_ap->text());
  s.channel = static_cast<std::uint8_t>(f_.s_ch->currentIndex() + 1);  // 0: none chosen
  s.essid = link::ToDevice(f_.e_essid->text());
  s.passphrase = link::ToDevice(f_.e_pas->text());
  s.defaultKey = 0;  // the save always puts key 1 in use

  // Off (or nothing chosen) leaves the size and the keys as they were: they are not written.
  const int size = f_.s_wep->currentIndex();
  s.wepOn = size >= 1 && size <= 3 ? 1 : 0;
  if (s.wepOn) {
    s.keySize = static_cast<std::uint8_t>(size);
    const TEdit* const keys[] = {f_.e_64key1, f_.e_64key2, f_.e_64key3, f_.e_64key4};
    for (std::size_t k = 0; k < 4; ++k) {
      if (size == 1) SetKey(s.keys64[k], keys[k]->text());
      if (size == 2) SetKey(s.keys128[k], keys[k]->text());
      if (size == 3) SetKey(s.keys256[k], keys[k]->text());
    }
  }
  return s;
}

void Wizard::SendSettings() {
  // The buffer serves every save of the run: what this save does not write stays as the last
  // one left it.
  link::WriteSettingsMessage(EditedSettings(), message_, link::kWizardRules);
  for (std::size_t i = 0; i < link::kSettingsMessageSize; ++i) words_[i] = message_[i];
  f_.ZEL_UDPSocket1->SendBuffer(words_.data(), static_cast<int>(link::kSettingsMessageSize));
}

}  // namespace trx::wizard
