// SendSettings: the settings message, assembled field by field from the form's controls
// into the form's own message buffer and sent once.
#include "app/devicetext.h"
#include "input/address.h"
#include "input/wepkeys.h"
#include "link/messages.h"
#include "wizard/wizard.h"

namespace trx::wizard {

using app::TEdit;
namespace {

constexpr std::size_t kAt = link::kSettingsRecordOffset;

void WriteAddress(std::span<std::uint8_t> buffer, std::size_t offset, const QString& text) {
  const auto bytes = input::AddressBytes(text.toStdString());
  link::WriteRun(buffer, offset, bytes);
}

void WriteKey(std::span<std::uint8_t> buffer, link::Field area, const QString& key) {
  link::WriteRun(buffer, kAt + area.offset, input::KeyBytes(key.toStdString(), area.size));
}

}  // namespace

void Wizard::SendSettings() {
  using namespace link::record;
  const std::span<std::uint8_t> m(message_);
  link::WriteRun(m, 0, {reinterpret_cast<const std::uint8_t*>(link::kSettingsHeader.data()), 6});
  link::WriteByte(m, kAt + kAddressMode.offset, f_.ip_dhcp->isChecked() ? 0 : 1);
  WriteAddress(m, kAt + kIp.offset, f_.e_ip->text());
  WriteAddress(m, kAt + kMask.offset, f_.e_mask->text());
  WriteAddress(m, kAt + kGateway.offset, f_.e_gateway->text());
  link::WriteText(m, kAt + kHostName.offset, kHostName.size, app::ToDevice(f_.e_ap->text()));
  link::WriteText(m, kAt + kFirmware.offset, kFirmware.size, app::ToDevice(f_.l_fw->Caption()));

  const QStringList macParts = f_.l_mac->Caption().split('-');
  for (int i = 0; i < 6; ++i) {
    bool ok = false;
    const uint value = i < macParts.size() ? macParts[i].toUInt(&ok, 16) : 0;
    link::WriteByte(m, kAt + kMac.offset + static_cast<std::size_t>(i), static_cast<std::uint8_t>(ok ? value : 0));
  }
  link::WriteByte(m, kAt + kDomain.offset, link::SettingsDomainCode(f_.l_domain->Caption().toStdString()));
  link::WriteByte(m, kAt + kChannel.offset, static_cast<std::uint8_t>(f_.s_ch->currentIndex() + 1));
  link::WriteText(m, kAt + kEssid.offset, kEssid.size, app::ToDevice(f_.e_essid->text()));
  link::WriteText(m, kAt + kPassphrase.offset, kPassphrase.size, app::ToDevice(f_.e_pas->text()));
  link::WriteByte(m, kAt + kDefaultKey.offset, 0);

  const int size = f_.s_wep->currentIndex();
  if (size >= 1 && size <= 3) {
    link::WriteByte(m, kAt + kWepOn.offset, 1);
    link::WriteByte(m, kAt + kKeySize.offset, static_cast<std::uint8_t>(size));
    const TEdit* const keys[] = {f_.e_64key1, f_.e_64key2, f_.e_64key3, f_.e_64key4};
    for (int k = 0; k < 4; ++k) WriteKey(m, KeyArea(size, k), keys[k]->text());
  } else {
    // Off (or nothing chosen): the size byte and every key area keep what they held.
    link::WriteByte(m, kAt + kWepOn.offset, 0);
  }

  for (std::size_t i = 0; i < link::kSettingsMessageSize; ++i) words_[i] = message_[i];
  f_.ZEL_UDPSocket1->SendBuffer(words_.data(), static_cast<int>(link::kSettingsMessageSize));
}

}  // namespace trx::wizard
