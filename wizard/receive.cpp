// The receiving side of the wizard: every datagram the socket delivers, the replies that become
// entries of the access point list, and the form's controls as the chosen entry's record shows.
#include <algorithm>
#include <functional>
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
  const QHostAddress source = f_.ZEL_UDPSocket1->CurrentSource();
  const bool debug = link::DebugEnabled();
  const auto note = [&](const QString& what) {
    link::DebugLine(
        QString("recv %1 bytes from %2%3: %4")
            .arg(len)
            .arg(source.toString(),
                 f_.ZEL_UDPSocket1->CurrentInterface().isEmpty() ? "" : " on " + f_.ZEL_UDPSocket1->CurrentInterface(),
                 what));
  };
  const Step step = step_;
  if (step == Step::Connection) {
    if (!link::HasHeader(datagram, link::kReplySignature)) {
      if (debug) note("refused: not a discovery reply");
    } else {
      TakeReply(datagram.first(std::min(datagram.size(), link::kSmallestReply)), source,
                debug ? std::function<void(QString)>(note) : nullptr);
    }
  } else if (step == Step::Confirmation) {
    // Only the saved access point's acknowledgement counts, from the address its entry came
    // from (or the fixed address the save gives it); a stray datagram after it must not undo
    // a good save.
    const bool ack = link::HasHeader(datagram, link::kAckHeader);
    const bool fromChosen = source == saveTo_ || (!saveToNew_.isNull() && source == saveToNew_);
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

void Wizard::TakeReply(link::ByteView reply, const QHostAddress& source, const std::function<void(QString)>& note) {
  using Outcome = ShownReply::Outcome;
  const std::optional<link::SettingsRecord> record = link::DecodeReply(reply);
  const Outcome outcome = link::CheckReply(reply);
  // Every answer that carries a MAC is noted, refused or not: a refused one with a listed
  // unit's MAC is a second device that a save to that unit would reach too.
  link::UnitAnswers::Noted noted;
  if (record) {
    noted = answers_.Note(record->mac, source.toString().toStdString(), link::SettingsBytes(reply));
    if (noted.copy) {
      if (note) note("copy: the same settings from the same address as an earlier reply of this search");
      return;
    }
    if (listedAs_.size() <= noted.answer) listedAs_.resize(noted.answer + 1, -1);
  }
  if (outcome != Outcome::Listed) {
    // Nothing of a refused reply is taken; the error panel says that one was refused.
    if (note) note(link::Reason(outcome));
    SearchFailed(outcome == Outcome::RefusedDomain);  // a refused domain ends the search wait at once
  } else {
    const int position = static_cast<int>(replies_.size());
    replies_.push_back({QByteArray(reinterpret_cast<const char*>(reply.data()), static_cast<qsizetype>(reply.size())),
                        source, *record});
    listedAs_[noted.answer] = position;
    const QString listText = " " + link::FromDevice(record->hostName);
    if (note) note("listed as \"" + listText.mid(1) + "\"");
    shown_.listed.push_back(listText);
    // The form shows the entry listed last.
    chosen_ = position;
    device_ = *record;
    shown_.settings = true;
  }
  if (record && noted.twinned) {
    // When the MAC becomes twinned, every entry with it is marked; after that, each new one.
    const std::vector<std::size_t>& with = answers_.With(record->mac);
    for (std::size_t i = with.size() == 2 ? 0 : with.size() - 1; i < with.size(); ++i)
      if (const int at = listedAs_[with[i]]; at >= 0) toMark_.append(at);
  }
}

QByteArray Wizard::StoredReply(int position) const {
  return position >= 0 && position < StoredReplyCount() ? replies_[static_cast<std::size_t>(position)].read
                                                        : QByteArray();
}

void Wizard::ap_listClick(QObject*) {
  const int n = f_.ap_list->currentRow();
  if (n < 0 || n >= StoredReplyCount()) return;
  // Another choice drops what was typed for the access point shown: said, not done silently.
  const bool dropping = ChangesUnsaved();
  const QString host = link::FromDevice(device_.hostName);
  chosen_ = n;
  device_ = replies_[static_cast<std::size_t>(n)].record;
  shown_.settings = true;
  ShowReadReplies();
  //: Said when another access point is chosen in the list: %1 is the host name of the one
  //: whose typed changes are lost.
  if (dropping) f_.Say(TForm1::tr("The changes made for %1 were dropped.").arg(host));
}

namespace {

// After the list text of an entry whose MAC address another device answers with too.
const QString kTwinMark = QStringLiteral(" (!)");

}  // namespace

bool Wizard::IsTwin(int position) const {
  return position >= 0 && position < StoredReplyCount() &&
         answers_.Twinned(replies_[static_cast<std::size_t>(position)].record.mac);
}

void Wizard::MarkTwins() {
  QList<int> later;  // not in the list yet
  for (const int i : std::exchange(toMark_, {})) {
    QListWidgetItem* entry = f_.ap_list->item(i);
    if (!entry) {
      later.append(i);
      continue;
    }
    if (entry->text().endsWith(kTwinMark)) continue;
    //: Screen-reader name of a list entry (%1: its host name) when another device answers with
    //: its MAC address.
    entry->setData(Qt::AccessibleTextRole,
                   TForm1::tr("%1 (another device has the same MAC address)").arg(entry->text().trimmed()));
    entry->setText(entry->text() + kTwinMark);
  }
  toMark_ = later;
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

Wizard::Entries Wizard::Shown(const link::SettingsRecord& r) {
  Entries e;
  e.dhcp = link::UsesDhcp(r);
  e.ip = Ipv4Text(r.ip);
  e.mask = Ipv4Text(r.mask);
  e.gateway = Ipv4Text(r.gateway);
  e.host = link::FromDevice(r.hostName);
  const link::Domain* domain = link::FindDomain(r.domain);
  const std::optional<int> channel = link::ReadChannel(r.channel);
  if (domain && channel && *channel >= 1 && *channel <= domain->lastChannel - domain->firstChannel + 1)
    e.channelIndex = *channel - 1;  // by position in the domain's list
  e.essid = link::FromDevice(r.essid);
  e.passphrase = link::FromDevice(r.passphrase);
  const std::optional<int> size = link::ReadWepSize(r.wepOn, r.keySize);
  e.wepIndex = size.value_or(-1);  // a state the list cannot show: none chosen
  if (size)
    for (std::size_t k = 0; k < 4; ++k) e.keys[k] = QString::fromStdString(link::KeyText(r, k));
  return e;
}

QString Wizard::AddressText(const link::SettingsRecord& r) const {
  return link::UsesDhcp(r) ? f_.l_dhcp->Caption() : Ipv4Text(r.ip);
}

QString Wizard::DomainText(const link::SettingsRecord& r) {
  if (const link::Domain* domain = link::FindDomain(r.domain))
    return QString::fromUtf8(domain->name.data(), static_cast<qsizetype>(domain->name.size()));
  //: Shown as the regulatory domain's value (list page, 1 line, about 120 px) when the access
  //: point reports a domain code the program does not know.
  return TForm1::tr("Error");
}

QString Wizard::ChannelText(const link::SettingsRecord& r) {
  const std::optional<int> channel = link::ReadChannel(r.channel);
  return channel ? QString::number(*channel) : HexText(r.channel);
}

QString Wizard::WepText(const link::SettingsRecord& r) const {
  if (const std::optional<int> size = link::ReadWepSize(r.wepOn, r.keySize)) return f_.s_wep->itemText(*size);
  return HexText(r.wepOn <= 3 ? r.keySize : r.wepOn);
}

void Wizard::ShowSettings() {
  const link::SettingsRecord& r = device_;
  const Entries e = Shown(r);
  f_.e_ip->setText(e.ip);
  f_.l_ip->SetCaption(e.ip);
  f_.e_mask->setText(e.mask);
  f_.e_gateway->setText(e.gateway);
  f_.e_ap->setText(e.host);
  f_.l_fw->SetCaption(link::FromDevice(r.firmware));
  f_.l_mac->SetCaption(QString::fromStdString(link::FormatMac(r.mac)));

  const link::Domain* domain = link::FindDomain(r.domain);
  f_.s_ch->clear();
  if (domain)
    for (int c = domain->firstChannel; c <= domain->lastChannel; ++c) f_.s_ch->addItem(QString::number(c));
  // Shown only: the save reads a domain it does not know by its code, translated or not.
  f_.s_ch->setPlaceholderText(domain ? QString() : TForm1::tr("Error"));
  f_.l_domain->SetCaption(DomainText(r));
  f_.s_ch->setCurrentIndex(e.channelIndex);
  f_.l_ch->SetCaption(ChannelText(r));

  f_.e_essid->setText(e.essid);
  f_.l_essid->SetCaption(app::ShortEssid(e.essid));
  f_.l_essid->Hint = e.essid;
  f_.e_pas->setText(e.passphrase);

  const std::optional<int> defaultKey = link::ReadDefaultKey(r.defaultKey);
  TRadioButton* const keyButtons[] = {f_.wepkey1, f_.wepkey2, f_.wepkey3, f_.wepkey4};
  if (defaultKey && *defaultKey >= 0 && *defaultKey <= 3)
    keyButtons[*defaultKey]->setChecked(true);
  else
    for (TRadioButton* b : keyButtons) b->Uncheck();  // mark none

  const int digits = e.wepIndex >= 1 ? input::KeyDigits(static_cast<input::WepSize>(e.wepIndex)) : 10;
  TEdit* const keyFields[] = {f_.e_64key1, f_.e_64key2, f_.e_64key3, f_.e_64key4};
  for (std::size_t k = 0; k < 4; ++k) {
    keyFields[k]->setText(e.keys[k]);
    keyFields[k]->Hint = r.wepOn != 0 ? e.keys[k] : QString();
    keyFields[k]->MaxLength = digits;
  }
  f_.l_wep->SetCaption(WepText(r));
  f_.s_wep->setCurrentIndex(e.wepIndex);
  f_.e_pas->setEnabled(e.wepIndex >= 1);
  (e.dhcp ? f_.ip_dhcp : f_.ip_ip)->setChecked(true);
}

void Wizard::DescribeChosen() {
  if (QListWidgetItem* entry = f_.ap_list->currentItem())
    entry->setData(Qt::AccessibleDescriptionRole,
                   TForm1::DescribeEntry(DomainText(device_), link::FromDevice(device_.firmware),
                                         QString::fromStdString(link::FormatMac(device_.mac)), Ipv4Text(device_.ip),
                                         DeviceEssid(), ChannelText(device_), WepText(device_)));
}

void Wizard::ShowReadReplies() {
  ShownReply& s = shown_;
  if (s.settings) ShowSettings();
  if (!s.listed.isEmpty()) {
    f_.ap_list->addItems(s.listed);
    f_.ap_list->setCurrentRow(chosen_);  // the form shows this entry
  }
  if (!toMark_.isEmpty()) MarkTwins();
  // The entry chosen on the list page can be heard with its settings; during a search the
  // list is hidden, and its last entry is described once the search ends.
  if (f_.ap_list->isVisible() && (!s.listed.isEmpty() || s.settings)) DescribeChosen();
  s = ShownReply{};
}

}  // namespace trx::wizard
