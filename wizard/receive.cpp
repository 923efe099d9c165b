// The receiving side of the form: every datagram the socket delivers, the reply reader that
// fills the form from a discovery reply, and the access point list.
#include "app/devicetext.h"
#include "input/wepkeys.h"
#include "link/debuglog.h"
#include "link/messages.h"
#include "link/reading.h"
#include "wizard/wizard.h"

namespace trx::app {

using namespace wizard;

namespace {

QString HexText(std::uint8_t b) { return QString::fromStdString(link::HexCode(b)); }

QString Ipv4Text(const link::Ipv4& ip) { return QString::fromStdString(link::FormatIpv4(ip)); }

template <std::size_t N>
QString KeyText(const std::array<std::uint8_t, N>& key) {
  return QString::fromStdString(link::FormatHex(link::ByteView(key.data(), key.size())));
}

}  // namespace

void TForm1::ZEL_UDPSocket1Recv(QObject*, const std::uint8_t* buf, int len) {
  if (buf == nullptr || len < 0) return;
  const link::ByteView datagram(buf, static_cast<std::size_t>(len));
  const bool debug = link::DebugEnabled();
  const auto note = [&](const QString& what) {
    link::DebugLine(
        QString("recv %1 bytes from %2%3: %4")
            .arg(len)
            .arg(ZEL_UDPSocket1->CurrentSource().toString(),
                 ZEL_UDPSocket1->CurrentInterface().isEmpty() ? "" : " on " + ZEL_UDPSocket1->CurrentInterface(),
                 what));
  };
  const Step step = CurrentStep(*this);
  if (step == Step::Connection) {
    if (!link::HasHeader(datagram, link::kReplySignature)) {
      if (debug) note("refused: not a discovery reply");
      return;
    }
    if (copies_.CopyOf(datagram)) {
      if (debug) note("duplicate: the same bytes as an earlier reply of this search, not listed again");
      return;
    }
    const QByteArray reply(reinterpret_cast<const char*>(buf), len);
    ShownReply::Outcome outcome{};
    const QString listText = ReadReply(reply, &outcome);
    if (debug)
      note(outcome == ShownReply::Outcome::Listed ? "listed as \"" + listText.mid(1) + "\"" : link::Reason(outcome));
    if (!listText.isEmpty()) {
      shown_.listed.push_back(listText);
      replies_.push_back(reply);
    }
  } else if (step == Step::Confirmation) {
    // Only an acknowledgement counts: a stray datagram after it must not undo a good save.
    if (link::HasHeader(datagram, link::kAckHeader)) ackFlag_ = 1;
    if (debug) note(ackFlag_ == 1 ? "acknowledgement" : "ignored while saving: not an acknowledgement");
  } else if (debug) {
    note(QString("ignored: not waiting for replies on step %1").arg(welcome->Hint));
  }
  if (!receivingBurst_) ShowReadReplies();
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
  FocusPageSoon();
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
  QString listText = ReadReply(bytes, nullptr);
  ShowReadReplies();
  return listText;
}

QString TForm1::ReadReply(const QByteArray& bytes, ShownReply::Outcome* outcome) {
  using Outcome = ShownReply::Outcome;
  const auto fail = [&](Outcome why, bool endsWait) {
    if (outcome) *outcome = why;
    SearchFailed(endsWait);
    return QString();
  };
  const auto record = link::DecodeReply(
      {reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())});
  if (!record) return fail(Outcome::Short, false);
  const link::SettingsRecord& r = *record;
  ShownReply& s = shown_;

  s.ip = Ipv4Text(r.ip);
  s.mask = Ipv4Text(r.mask);
  s.gateway = Ipv4Text(r.gateway);
  s.hostName = FromDevice(r.hostName);
  QString listText = " " + *s.hostName;
  s.firmware = FromDevice(r.firmware);
  s.mac = QString::fromStdString(link::FormatMac(r.mac));

  s.channels = ShownReply::Channels{};
  s.channelIndex = -1;
  if (r.domain == 0) return fail(Outcome::RefusedDomain, true);  // a refusal ends the search wait at once
  if (const link::Domain* domain = link::FindDomain(r.domain)) {
    s.domain = QString::fromUtf8(domain->name.data(), static_cast<qsizetype>(domain->name.size()));
    for (int c = domain->firstChannel; c <= domain->lastChannel; ++c) s.channels->items << QString::number(c);
  } else {
    // Shown only: the save reads any name it does not know as the same code, translated or not.
    //: Shown as the regulatory domain's value (list page, 1 line, about 120 px) when the access
    //: point reports a domain code the program does not know.
    s.domain = tr("Error");
    s.channels->placeholder = tr("Error");
  }

  const std::optional<int> channel = link::ReadChannel(r.channel);
  s.channelCaption = channel ? QString::number(*channel) : HexText(r.channel);
  if (!channel) return fail(Outcome::UnreadableChannel, false);
  if (*channel >= 1 && *channel <= 14 && *channel - 1 < s.channels->items.size()) s.channelIndex = *channel - 1;

  s.essid = FromDevice(r.essid);
  s.passphrase = FromDevice(r.passphrase);

  const std::optional<int> defaultKey = link::ReadDefaultKey(r.defaultKey);
  if (!defaultKey) return fail(Outcome::UnreadableDefaultKey, false);
  s.defaultKey = *defaultKey >= 0 && *defaultKey <= 3 ? *defaultKey : -1;

  s.keys = std::array<QString, 4>{};
  const auto fillKeys = [&](int sizeCode) {
    for (std::size_t k = 0; k < 4; ++k)
      (*s.keys)[k] = sizeCode == 3   ? KeyText(r.keys256[k])
                     : sizeCode == 2 ? KeyText(r.keys128[k])
                                     : KeyText(r.keys64[k]);
  };
  const std::optional<int> size = link::ReadWepSize(r.wepOn, r.keySize);
  s.wepCaption = HexText(r.wepOn);
  if (size == 0) {
    s.wepCaption = s_wep->itemText(0);
    s.wepIndex = 0;
    s.passphraseEnabled = false;
    s.keyDigits = 10;
    fillKeys(1);
  } else if (r.wepOn <= 3) {  // on, whether or not its key size can be read
    if (size) {
      s.wepCaption = s_wep->itemText(*size);
      s.wepIndex = *size;
      s.keyDigits = input::KeyDigits(static_cast<input::WepSize>(*size));
      fillKeys(*size);
      s.passphraseEnabled = true;
    } else {
      s.wepCaption = HexText(r.keySize);
    }
    s.keyHints = *s.keys;
  }

  s.dhcp = HexText(r.addressMode) == "0";
  if (outcome) *outcome = Outcome::Listed;
  return listText;
}

void TForm1::ShowReadReplies() {
  ShownReply& s = shown_;
  if (s.ip) {
    e_ip->setText(*s.ip);
    l_ip->SetCaption(*s.ip);
  }
  if (s.mask) e_mask->setText(*s.mask);
  if (s.gateway) e_gateway->setText(*s.gateway);
  if (s.hostName) e_ap->setText(*s.hostName);
  if (s.firmware) l_fw->SetCaption(*s.firmware);
  if (s.mac) l_mac->SetCaption(*s.mac);
  if (s.channels) {
    s_ch->clear();
    s_ch->addItems(s.channels->items);
    s_ch->setPlaceholderText(s.channels->placeholder);
  }
  if (s.domain) l_domain->SetCaption(*s.domain);
  if (s.channelIndex) s_ch->setCurrentIndex(*s.channelIndex);
  if (s.channelCaption) l_ch->SetCaption(*s.channelCaption);
  if (s.essid) {
    e_essid->setText(*s.essid);
    l_essid->SetCaption(ShortEssid(*s.essid));
    l_essid->Hint = *s.essid;
  }
  if (s.passphrase) {
    e_pas->setText(*s.passphrase);
    wep_tmp->SetCaption(*s.passphrase);
  }
  if (s.defaultKey) {
    TRadioButton* const keyButtons[] = {wepkey1, wepkey2, wepkey3, wepkey4};
    if (*s.defaultKey >= 0)
      keyButtons[*s.defaultKey]->setChecked(true);
    else
      for (TRadioButton* b : keyButtons) b->Uncheck();  // mark none
  }
  TEdit* const keyFields[] = {e_64key1, e_64key2, e_64key3, e_64key4};
  for (std::size_t k = 0; k < 4; ++k) {
    if (s.keys) keyFields[k]->setText((*s.keys)[k]);
    if (s.keyHints) keyFields[k]->Hint = (*s.keyHints)[k];
    if (s.keyDigits) keyFields[k]->MaxLength = *s.keyDigits;
  }
  if (s.wepCaption) l_wep->SetCaption(*s.wepCaption);
  if (s.wepIndex) s_wep->setCurrentIndex(*s.wepIndex);
  if (s.passphraseEnabled) e_pas->setEnabled(*s.passphraseEnabled);
  if (s.dhcp) {
    (*s.dhcp ? ip_dhcp : ip_ip)->setChecked(true);
    l_dhcp->Hint = *s.dhcp ? "on" : "off";
  }
  if (!s.listed.isEmpty()) {
    ap_list->addItems(s.listed);
    ap_list->setCurrentRow(ap_list->count() - 1);  // the form already shows this reply
  }
  // The entry chosen on the list page can be heard with its settings; during a search the
  // list is hidden, and its last entry is described once the search ends.
  if (ap_list->isVisible() && (!s.listed.isEmpty() || s.ip)) DescribeChosenEntry();
  s = ShownReply{};
}

}  // namespace trx::app
