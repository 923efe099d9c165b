// The checks of the basic and IP settings pages and the address fields' focus-loss checks.
#include "app/form1.h"
#include "input/address.h"

namespace trx::app {
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

}  // namespace

void TForm1::CheckAddressField(const QString& tag) {
  for (const AddressTag& t : kAddressTags) {
    if (tag != t.tag) continue;
    TEdit* field = this->*t.field;
    if (!Passes(field)) {
      ShowMessage(tr(t.message));
      FocusField(field);
    }
  }
}

void TForm1::e_ipExit(QObject*) { CheckAddressField("ip"); }
void TForm1::e_maskExit(QObject*) { CheckAddressField("mask"); }
void TForm1::e_gatewayExit(QObject*) { CheckAddressField("gateway"); }

bool TForm1::CheckAddressPage() {
  // Runs whether DHCP or a fixed address is chosen: the device keeps all three either way.
  for (const AddressTag& t : kAddressTags) {
    TEdit* field = this->*t.field;
    if (field->text().isEmpty()) field->setText(t.fallback);
    if (!Passes(field)) {
      ShowMessage(tr(t.message));
      FocusField(field);  // a disabled field (DHCP chosen) cannot take it; the focus stays
      return false;
    }
  }
  return true;
}

bool TForm1::CheckEssid() {
  if (!e_essid->text().isEmpty()) return true;
  ShowMessage(tr("Wrong ESSID value!"));
  FocusField(e_essid);
  return false;
}

}  // namespace trx::app
