// The receiving side of the form: every datagram the socket delivers, the reply parser
// that fills the form from a discovery reply, and the access point list.
#include "app/devicetext.h"
#include "app/form1.h"
#include "input/wepkeys.h"
#include "link/messages.h"

namespace trx::app {
namespace {

// A code byte as the form compares it: upper-case hexadecimal without leading zeros.
QString HexText(std::uint8_t b) { return QString::number(b, 16).toUpper(); }

QString Ipv4Text(link::ByteView run) {
  link::Ipv4 ip{};
  std::copy(run.begin(), run.end(), ip.begin());
  return QString::fromStdString(link::FormatIpv4(ip));
}

}  // namespace

void TForm1::ZEL_UDPSocket1Recv(QObject*, const std::uint8_t* buf, int len) {
  if (buf == nullptr || len < 0) return;
  const link::ByteView datagram(buf, static_cast<std::size_t>(len));
  const QString step = WizardStep();
  if (step == "1") {
    if (!link::HasHeader(datagram, link::kReplySignature)) return;
    const QByteArray reply(reinterpret_cast<const char*>(buf), len);
    const QString listText = ShowReply(reply);
    if (listText.isEmpty()) return;
    ap_list->addItem(listText);
    replies_.push_back(reply);
    ap_list->setCurrentRow(ap_list->count() - 1);  // the form already shows this reply
  } else if (step == "7") {
    // Only the last datagram before the end of the save wait counts.
    ackFlag_ = link::HasHeader(datagram, link::kAckHeader) ? 1 : 0;
  }
}

QByteArray TForm1::StoredReply(int position) const {
  return position >= 0 && position < StoredReplyCount() ? replies_[static_cast<std::size_t>(position)] : QByteArray();
}

void TForm1::ap_listClick(QObject*) {
  const int n = ap_list->currentRow();
  if (n < 0 || n >= StoredReplyCount()) return;
  ShowReply(replies_[static_cast<std::size_t>(n)]);
}

void TForm1::LayErrorPanel() {
  checklink->hide();
  bar->hide();
  bar->SetPosition(100);
  errormsg->show();
  b_min->hide();
}

void TForm1::SearchFailed(bool endsWait) {
  LayErrorPanel();
  b_exit->setEnabled(false);
  b_setup->setEnabled(false);
  if (endsWait) {
    for (TImage* frame : {check01, check02, check03}) frame->hide();
    Timer->SetEnabled(false);
    Timer->Tag = 6;
  }
}

QString TForm1::ShowReply(const QByteArray& bytes) {
  const link::Reader r({reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())});
  if (r.size() < link::kSmallestReply) {
    SearchFailed(false);
    return {};
  }
  // From here every field lies inside the reply: the reads below cannot fail.
  const auto text = [&](std::size_t offset, std::size_t area) { return FromDevice(*r.Text(offset, area)); };
  const auto byte = [&](std::size_t offset) { return *r.Byte(offset); };
  constexpr std::size_t at = link::kReplyRecordOffset;
  using namespace link::record;

  e_ip->clear();
  e_ip->setText(Ipv4Text(*r.Run(at + kIp.offset, 4)));
  l_ip->SetCaption(e_ip->text());
  e_mask->setText(Ipv4Text(*r.Run(at + kMask.offset, 4)));
  e_gateway->setText(Ipv4Text(*r.Run(at + kGateway.offset, 4)));

  e_ap->setText(text(at + kHostName.offset, kHostName.size));
  const QString listText = " " + e_ap->text();

  l_fw->SetCaption(text(at + kFirmware.offset, kFirmware.size));
  link::Mac mac{};
  const auto macRun = *r.Run(at + kMac.offset, kMac.size);
  std::copy(macRun.begin(), macRun.end(), mac.begin());
  l_mac->SetCaption(QString::fromStdString(link::FormatMac(mac)));

  s_ch->clear();
  s_ch->setPlaceholderText({});
  const std::uint8_t domainCode = byte(at + kDomain.offset);
  if (domainCode == 0) {
    SearchFailed(true);  // a refusal ends the search wait at once
    return {};
  }
  if (const link::Domain* domain = link::FindDomain(domainCode)) {
    l_domain->SetCaption(QString::fromUtf8(domain->name.data(), static_cast<qsizetype>(domain->name.size())));
    for (int c = domain->firstChannel; c <= domain->lastChannel; ++c) s_ch->addItem(QString::number(c));
  } else {
    l_domain->SetCaption("Error");
    s_ch->setPlaceholderText("Error");
  }
  s_ch->setCurrentIndex(-1);

  // Channel: "A" to "E" stand for 10 to 14; any other text must read as a decimal number.
  QString channelText = HexText(byte(at + kChannel.offset));
  if (channelText.size() == 1 && channelText[0] >= 'A' && channelText[0] <= 'E')
    channelText = QString::number(channelText[0].unicode() - 'A' + 10);
  l_ch->SetCaption(channelText);
  bool ok = false;
  const int channel = channelText.toInt(&ok, 10);
  if (!ok) {
    SearchFailed(false);
    return {};
  }
  if (channel >= 1 && channel <= 14 && channel - 1 < s_ch->count()) s_ch->setCurrentIndex(channel - 1);

  const QString essid = text(at + kEssid.offset, kEssid.size);
  e_essid->setText(essid);
  l_essid->SetCaption(ShortEssid(essid));
  l_essid->Hint = essid;

  e_pas->setText(text(at + kPassphrase.offset, kPassphrase.size));
  wep_tmp->SetCaption(e_pas->text());

  const int defaultKey = HexText(byte(at + kDefaultKey.offset)).toInt(&ok, 10);
  if (!ok) {
    SearchFailed(false);
    return {};
  }
  TRadioButton* const keyButtons[] = {wepkey1, wepkey2, wepkey3, wepkey4};
  if (defaultKey >= 0 && defaultKey <= 3) {
    keyButtons[defaultKey]->setChecked(true);
  } else {
    for (TRadioButton* b : keyButtons) b->Uncheck();  // mark none
  }

  TEdit* const keyFields[] = {e_64key1, e_64key2, e_64key3, e_64key4};
  for (TEdit* field : keyFields) field->clear();
  const auto fillKeys = [&](int sizeCode) {
    for (int k = 0; k < 4; ++k) {
      const link::Field area = KeyArea(sizeCode, k);
      keyFields[k]->setText(QString::fromStdString(link::FormatHex(*r.Run(at + area.offset, area.size))));
    }
  };
  const QString wepText = HexText(byte(at + kWepOn.offset));
  l_wep->SetCaption(wepText);
  if (wepText == "0") {
    l_wep->SetCaption("Disable");
    s_wep->setCurrentIndex(0);
    e_pas->setEnabled(false);
    for (TEdit* field : keyFields) field->MaxLength = 10;
    fillKeys(1);
  } else if (wepText == "1" || wepText == "2" || wepText == "3") {
    const QString sizeText = HexText(byte(at + kKeySize.offset));
    const int size = sizeText == "1" ? 1 : sizeText == "2" ? 2 : sizeText == "3" ? 3 : 0;
    if (size != 0) {
      l_wep->SetCaption(s_wep->itemText(size));
      s_wep->setCurrentIndex(size);
      for (TEdit* field : keyFields) field->MaxLength = input::KeyDigits(static_cast<input::WepSize>(size));
      fillKeys(size);
      e_pas->setEnabled(true);
    } else {
      l_wep->SetCaption(sizeText);
    }
    for (TEdit* field : keyFields) field->Hint = field->text();
  }

  if (HexText(byte(at + kAddressMode.offset)) == "0") {
    ip_dhcp->setChecked(true);
    l_dhcp->Hint = "on";
  } else {
    ip_ip->setChecked(true);
    l_dhcp->Hint = "off";
  }
  return listText;
}

}  // namespace trx::app
