// The checks of the basic and IP settings pages and the address fields' focus-loss checks.
#include "input/address.h"
#include "wizard/wizard.h"

namespace trx::wizard {

using app::TEdit;
namespace {

struct AddressTag {
  const char* tag;
  TEdit* TForm1::*field;
  const char* message;
  const char* fallback;  // put into an empty field when the page is left
};

constexpr AddressTag kAddressTags[] = {
    {"ip", &TForm1::e_ip, QT_TRANSLATE_NOOP("trx::app::TForm1", "Wrong IP address value!"), "192.168.1.251"},
    {"mask", &TForm1::e_mask, QT_TRANSLATE_NOOP("trx::app::TForm1", "Wrong NetMask IP address value!"),
     "255.255.255.0"},
    {"gateway", &TForm1::e_gateway, QT_TRANSLATE_NOOP("trx::app::TForm1", "Wrong GateWay IP address value!"),
     "0.0.0.0"},
};

bool Passes(const TEdit* field) { return input::IsDottedQuad(field->text().toStdString()); }

// Why the field was refused, said beside the box's own words to one who cannot see the field.
QString Why(const TEdit* field) {
  const std::string text = field->text().toStdString();
  const input::QuadFault fault = input::FindQuadFault(text);
  using Kind = input::QuadFault::Kind;
  if (fault.kind == Kind::Empty) return TForm1::tr("Part %1 is empty.").arg(fault.part);
  if (fault.kind == Kind::OutOfRange)
    //: %1: which of the address's four parts, counted from 1; %2: that part as typed.
    return TForm1::tr("Part %1, %2, is no number from 0 to 255.")
        .arg(fault.part)
        .arg(QString::fromStdString(std::string(fault.text)));
  if (fault.kind == Kind::PartCount)
    return TForm1::tr("An address is four numbers separated by dots; this one has %n part(s).", nullptr, fault.parts);
  return {};
}

}  // namespace

void Wizard::CheckAddressField(const QString& tag) {
  for (const AddressTag& t : kAddressTags) {
    if (tag != t.tag) continue;
    TEdit* field = f_.*t.field;
    if (!Passes(field)) {
      f_.ShowMessage(TForm1::tr(t.message), Why(field));
      f_.FocusField(field);
    }
  }
}

void Wizard::e_ipExit(QObject*) { CheckAddressField("ip"); }
void Wizard::e_maskExit(QObject*) { CheckAddressField("mask"); }
void Wizard::e_gatewayExit(QObject*) { CheckAddressField("gateway"); }

bool Wizard::CheckAddressPage() {
  // Runs whether DHCP or a fixed address is chosen: the device keeps all three either way.
  for (const AddressTag& t : kAddressTags) {
    TEdit* field = f_.*t.field;
    if (field->text().isEmpty()) field->setText(t.fallback);
    if (!Passes(field)) {
      f_.ShowMessage(TForm1::tr(t.message), Why(field));
      f_.FocusField(field);  // a disabled field (DHCP chosen) cannot take it; the focus stays
      return false;
    }
  }
  // Accepted as before; one who cannot see the page hears what trx61ctl would refuse.
  if (f_.ip_ip->isChecked() &&
      input::GatewayOutsideSubnet(f_.e_ip->text().toStdString(), f_.e_mask->text().toStdString(),
                                  f_.e_gateway->text().toStdString()))
    f_.SayBeforeNextPage(TForm1::tr("The gateway %1 is outside the subnet of %2 with net mask %3: the access point "
                                    "cannot reach it.")
                             .arg(f_.e_gateway->text(), f_.e_ip->text(), f_.e_mask->text()));
  return true;
}

bool Wizard::CheckEssid() {
  if (!f_.e_essid->text().isEmpty()) return true;
  f_.ShowMessage(TForm1::tr("Wrong ESSID value!"));
  f_.FocusField(f_.e_essid);
  return false;
}

}  // namespace trx::wizard
