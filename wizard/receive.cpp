// The receiving side of the wizard: every datagram the socket delivers, the reply reader that
// fills the form from a discovery reply, and the access point list.
#include <QCryptographicHash>
#include <utility>

#include "app/devicetext.h"
#include "input/wepkeys.h"
#include "link/debuglog.h"
#include "link/devicetext.h"
#include "link/messages.h"
#include "link/reading.h"
#include "wizard/wizard.h"

namespace trx::wizard {

using app::TEdit;
using app::TImage;
using app::TRadioButton;

namespace {

QString HexText(std::uint8_t b) { return QString::fromStdString(link::HexCode(b)); }

QString Ipv4Text(const link::Ipv4& ip) { return QString::fromStdString(link::FormatIpv4(ip)); }

}  // namespace

void Wizard::ZEL_UDPSocket1Recv(QObject*, const std::uint8_t* buf, int len) {
  if (buf == nullptr || len < 0) return;
  const link::ByteView datagram(buf, static_cast<std::size_t>(len));
  const bool debug = link::DebugEnabled();
  const auto note = [&](const QString& what) {
    link::DebugLine(
        QString("recv %1 bytes from %2%3: %4")
            .arg(len)
            .arg(f_.ZEL_UDPSocket1->CurrentSource().toString(),
                 f_.ZEL_UDPSocket1->CurrentInterface().isEmpty() ? "" : " on " + f_.ZEL_UDPSocket1->CurrentInterface(),
                 what));
  };
  const Step step = step_;
  if (step == Step::Connection) {
    if (!link::HasHeader(datagram, link::kReplySignature)) {
      if (debug) note("refused: not a discovery reply");
      return;
    }
    // A copy is told by a digest of the bytes read, all the socket keeps of a reply: a flood of
    // large replies costs what is kept, not what arrived.
    const QByteArray whole = QByteArray::fromRawData(reinterpret_cast<const char*>(buf), len);
    const QByteArray digest = QCryptographicHash::hash(whole, QCryptographicHash::Sha256);
    if (digests_.contains(digest)) {
      if (debug) note("duplicate: the same bytes as an earlier reply of this search, not listed again");
      return;
    }
    digests_.insert(digest);
    const QByteArray reply(whole.constData(), std::min<qsizetype>(len, link::kSmallestReply));
    ShownReply::Outcome outcome{};
    const QString listText = ReadReply(reply, &outcome);
    if (debug)
      note(outcome == ShownReply::Outcome::Listed ? "listed as \"" + listText.mid(1) + "\"" : link::Reason(outcome));
    if (!listText.isEmpty()) {
      shown_.listed.push_back(listText);
      replies_.push_back({reply, f_.ZEL_UDPSocket1->CurrentSource()});
      NoteMac(static_cast<int>(replies_.size()) - 1);
    }
  } else if (step == Step::Confirmation) {
    // Only the chosen access point's acknowledgement counts, from the address it answered
    // from; a stray datagram after it must not undo a good save.
    const bool ack = link::HasHeader(datagram, link::kAckHeader);
    const QHostAddress from = f_.ZEL_UDPSocket1->CurrentSource();
    const bool fromChosen = from == saveTo_ || (!saveToNew_.isNull() && from == saveToNew_);
    if (ack && fromChosen) acknowledged_ = true;
    if (debug)
      note(!ack ? QString("ignored while saving: not an acknowledgement")
           : fromChosen
               ? QString("acknowledgement")
               : "ignored: an acknowledgement, but not from the chosen access point's address " + saveTo_.toString());
  } else if (debug) {
    note(QString("ignored: not waiting for replies on step %1").arg(static_cast<int>(step_)));
  }
  if (!receivingBurst_) ShowReadReplies();
}

QByteArray Wizard::StoredReply(int position) const {
  return position >= 0 && position < StoredReplyCount() ? replies_[static_cast<std::size_t>(position)].read
                                                        : QByteArray();
}

void Wizard::ap_listClick(QObject*) {
  const int n = f_.ap_list->currentRow();
  if (n < 0 || n >= StoredReplyCount()) return;
  // Another reading drops what was typed for the access point shown: said, not done silently.
  const bool dropping = ChangesUnsaved();
  const QString host = RememberedHost();
  ShowReply(replies_[static_cast<std::size_t>(n)].read);
  //: Said when another access point is chosen in the list: %1 is the host name of the one
  //: whose typed changes are lost.
  if (dropping) f_.Say(TForm1::tr("The changes made for %1 were dropped.").arg(host));
}

namespace {

// After the list text of an entry whose MAC address another device answers with too.
const QString kCloneMark = QStringLiteral(" (!)");

// The settings bytes of a reply and the MAC address in them.
QByteArray RecordOf(const QByteArray& reply) {
  return reply.mid(static_cast<qsizetype>(link::kReplyRecordOffset), static_cast<qsizetype>(link::kRecordSize));
}
QByteArray MacOf(const QByteArray& reply) {
  return RecordOf(reply).mid(static_cast<qsizetype>(link::record::kMac.offset),
                             static_cast<qsizetype>(link::record::kMac.size));
}

}  // namespace

bool Wizard::IsClone(int position) const {
  return position >= 0 && position < StoredReplyCount() &&
         cloneMacs_.contains(MacOf(replies_[static_cast<std::size_t>(position)].read));
}

void Wizard::NoteMac(int position) {
  // One pass per reply, not per pair: a flood of replies must not cost their square.
  const QByteArray& read = replies_[static_cast<std::size_t>(position)].read;
  const QByteArray mac = MacOf(read);
  auto first = macs_.find(mac);
  if (first == macs_.end()) {
    macs_.insert(mac, {RecordOf(read), {position}});
    return;
  }
  first->positions.append(position);
  if (!cloneMacs_.contains(mac) && first->record != RecordOf(read)) {
    cloneMacs_.insert(mac);
    toMark_ += first->positions;
  } else if (cloneMacs_.contains(mac)) {
    toMark_.append(position);
  }
}

void Wizard::MarkClones() {
  for (const int i : std::exchange(toMark_, {})) {
    QListWidgetItem* entry = f_.ap_list->item(i);
    if (!entry || entry->text().endsWith(kCloneMark)) continue;
    //: Screen-reader name of a list entry (%1: its host name) when two devices answer with one
    //: MAC address and different settings.
    entry->setData(Qt::AccessibleTextRole,
                   TForm1::tr("%1 (another device has the same MAC address)").arg(entry->text().trimmed()));
    entry->setText(entry->text() + kCloneMark);
  }
}

void Wizard::LayErrorPanel() {
  f_.checklink->hide();
  f_.bar->hide();
  f_.bar->SetPosition(100);
  f_.errormsg->show();
  f_.b_min->hide();
  f_.FocusPageSoon();
}

void Wizard::SearchFailed(bool endsWait) {
  LayErrorPanel();
  f_.b_exit->setEnabled(false);
  f_.b_setup->setEnabled(false);
  if (endsWait) {
    for (TImage* frame : {f_.check01, f_.check02, f_.check03}) frame->hide();
    f_.Timer->SetEnabled(false);
    waitTicks_ = kWaitTicks;
  }
}

QString Wizard::ShowReply(const QByteArray& bytes) {
  QString listText = ReadReply(bytes, nullptr);
  ShowReadReplies();
  return listText;
}

QString Wizard::ReadReply(const QByteArray& bytes, ShownReply::Outcome* outcome) {
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
  // The record takes each field as it is read, as the controls do: a refused reply leaves
  // what it did not reach as the earlier one had it. The controls follow at ShowReadReplies.
  link::SettingsRecord& d = device_;
  d.ip = r.ip;
  d.mask = r.mask;
  d.gateway = r.gateway;
  d.hostName = r.hostName;
  d.firmware = r.firmware;
  d.mac = r.mac;

  s.ip = Ipv4Text(r.ip);
  s.mask = Ipv4Text(r.mask);
  s.gateway = Ipv4Text(r.gateway);
  s.hostName = link::FromDevice(r.hostName);
  QString listText = " " + *s.hostName;
  s.firmware = link::FromDevice(r.firmware);
  s.mac = QString::fromStdString(link::FormatMac(r.mac));

  s.channels = ShownReply::Channels{};
  s.channelIndex = -1;
  if (r.domain == 0) return fail(Outcome::RefusedDomain, true);  // a refusal ends the search wait at once
  d.domain = r.domain;
  if (const link::Domain* domain = link::FindDomain(r.domain)) {
    s.domain = QString::fromUtf8(domain->name.data(), static_cast<qsizetype>(domain->name.size()));
    for (int c = domain->firstChannel; c <= domain->lastChannel; ++c) s.channels->items << QString::number(c);
  } else {
    // Shown only: the save reads any name it does not know as the same code, translated or not.
    //: Shown as the regulatory domain's value (list page, 1 line, about 120 px) when the access
    //: point reports a domain code the program does not know.
    s.domain = TForm1::tr("Error");
    s.channels->placeholder = TForm1::tr("Error");
  }

  d.channel = r.channel;
  const std::optional<int> channel = link::ReadChannel(r.channel);
  s.channelCaption = channel ? QString::number(*channel) : HexText(r.channel);
  if (!channel) return fail(Outcome::UnreadableChannel, false);
  if (*channel >= 1 && *channel <= 14 && *channel - 1 < s.channels->items.size()) s.channelIndex = *channel - 1;

  d.essid = r.essid;
  d.passphrase = r.passphrase;
  s.essid = link::FromDevice(r.essid);
  s.passphrase = link::FromDevice(r.passphrase);

  const std::optional<int> defaultKey = link::ReadDefaultKey(r.defaultKey);
  if (!defaultKey) return fail(Outcome::UnreadableDefaultKey, false);
  d.defaultKey = r.defaultKey;
  d.wepOn = r.wepOn;
  d.keySize = r.keySize;
  d.keys64 = r.keys64;
  d.keys128 = r.keys128;
  d.keys256 = r.keys256;
  d.addressMode = r.addressMode;
  s.defaultKey = *defaultKey >= 0 && *defaultKey <= 3 ? *defaultKey : -1;

  s.keys = std::array<QString, 4>{};
  const auto fillKeys = [&] {  // of the size read, the 64-bit set while WEP is off
    for (std::size_t k = 0; k < 4; ++k) (*s.keys)[k] = QString::fromStdString(link::KeyText(r, k));
  };
  const std::optional<int> size = link::ReadWepSize(r.wepOn, r.keySize);
  s.wepCaption = HexText(r.wepOn);
  if (size == 0) {
    s.wepCaption = f_.s_wep->itemText(0);
    s.wepIndex = 0;
    s.passphraseEnabled = false;
    s.keyDigits = 10;
    fillKeys();
  } else if (r.wepOn <= 3) {  // on, whether or not its key size can be read
    if (size) {
      s.wepCaption = f_.s_wep->itemText(*size);
      s.wepIndex = *size;
      s.keyDigits = input::KeyDigits(static_cast<input::WepSize>(*size));
      fillKeys();
      s.passphraseEnabled = true;
    } else {
      s.wepCaption = HexText(r.keySize);
    }
    s.keyHints = *s.keys;
  }

  s.dhcp = link::UsesDhcp(r);
  if (outcome) *outcome = Outcome::Listed;
  return listText;
}

void Wizard::ShowReadReplies() {
  ShownReply& s = shown_;
  if (s.ip) {
    f_.e_ip->setText(*s.ip);
    f_.l_ip->SetCaption(*s.ip);
  }
  if (s.mask) f_.e_mask->setText(*s.mask);
  if (s.gateway) f_.e_gateway->setText(*s.gateway);
  if (s.hostName) f_.e_ap->setText(*s.hostName);
  if (s.firmware) f_.l_fw->SetCaption(*s.firmware);
  if (s.mac) f_.l_mac->SetCaption(*s.mac);
  if (s.channels) {
    f_.s_ch->clear();
    f_.s_ch->addItems(s.channels->items);
    f_.s_ch->setPlaceholderText(s.channels->placeholder);
  }
  if (s.domain) f_.l_domain->SetCaption(*s.domain);
  if (s.channelIndex) f_.s_ch->setCurrentIndex(*s.channelIndex);
  if (s.channelCaption) f_.l_ch->SetCaption(*s.channelCaption);
  if (s.essid) {
    f_.e_essid->setText(*s.essid);
    f_.l_essid->SetCaption(app::ShortEssid(*s.essid));
    f_.l_essid->Hint = *s.essid;
  }
  if (s.passphrase) {
    f_.e_pas->setText(*s.passphrase);
    f_.wep_tmp->SetCaption(*s.passphrase);  // the form's holder; the wizard compares with device_
  }
  if (s.defaultKey) {
    TRadioButton* const keyButtons[] = {f_.wepkey1, f_.wepkey2, f_.wepkey3, f_.wepkey4};
    if (*s.defaultKey >= 0)
      keyButtons[*s.defaultKey]->setChecked(true);
    else
      for (TRadioButton* b : keyButtons) b->Uncheck();  // mark none
  }
  TEdit* const keyFields[] = {f_.e_64key1, f_.e_64key2, f_.e_64key3, f_.e_64key4};
  for (std::size_t k = 0; k < 4; ++k) {
    if (s.keys) keyFields[k]->setText((*s.keys)[k]);
    if (s.keyHints) keyFields[k]->Hint = (*s.keyHints)[k];
    if (s.keyDigits) keyFields[k]->MaxLength = *s.keyDigits;
  }
  if (s.wepCaption) f_.l_wep->SetCaption(*s.wepCaption);
  if (s.wepIndex) f_.s_wep->setCurrentIndex(*s.wepIndex);
  if (s.passphraseEnabled) f_.e_pas->setEnabled(*s.passphraseEnabled);
  if (s.dhcp) {
    (*s.dhcp ? f_.ip_dhcp : f_.ip_ip)->setChecked(true);
    deviceUsedDhcp_ = *s.dhcp;
  }
  if (!s.listed.isEmpty()) {
    f_.ap_list->addItems(s.listed);
    f_.ap_list->setCurrentRow(f_.ap_list->count() - 1);  // the form already shows this reply
    MarkClones();
  }
  // The entry chosen on the list page can be heard with its settings; during a search the
  // list is hidden, and its last entry is described once the search ends.
  if (f_.ap_list->isVisible() && (!s.listed.isEmpty() || s.ip)) f_.DescribeChosenEntry();
  s = ShownReply{};
}

}  // namespace trx::wizard
