// The WEP controls: the key size list, key generation from the pass phrase, the key check.
#include "input/wepkeys.h"
#include "link/devicetext.h"
#include "wizard/wizard.h"

namespace trx::wizard {

using app::TEdit;
namespace {

// input::KeyFailure's answers, shown through tr().
[[maybe_unused]] constexpr const char* kKeyFailures[] = {
    QT_TRANSLATE_NOOP("trx::app::TForm1", "Wrong Wep-Key1 Length!"),
    QT_TRANSLATE_NOOP("trx::app::TForm1", "Wrong Wep-Key1 Word!"),
};

}  // namespace

void Wizard::s_wepCloseUp(QObject*) {
  const int index = f_.s_wep->currentIndex();
  TEdit* const keys[] = {f_.e_64key1, f_.e_64key2, f_.e_64key3, f_.e_64key4};
  if (index == 0) {
    f_.e_pas->setEnabled(false);
    for (TEdit* key : keys) {
      key->MaxLength = 10;
      key->setText("0000000000");
    }
  } else if (index >= 1 && index <= 3) {
    f_.e_pas->clear();
    f_.e_pas->SetMasked(false);
    f_.e_pas->setEnabled(true);
    for (TEdit* key : keys) key->MaxLength = input::KeyDigits(static_cast<input::WepSize>(index));
  }
}

void Wizard::GenerateWepKeys() {
  const int index = f_.s_wep->currentIndex();
  const std::string passphrase = link::ToDevice(f_.e_pas->text());
  TEdit* const fields[] = {f_.e_64key1, f_.e_64key2, f_.e_64key3, f_.e_64key4};

  // The device's own pass phrase gives the device's own keys: keep them out of sight, from
  // before they are written, so that no report of the change carries them.
  const bool masked = index != 0 && !passphrase.empty() && f_.e_pas->text() == link::FromDevice(device_.passphrase);
  if (index != 0)
    for (TEdit* field : fields) field->SetMasked(masked);

  if (index >= 1 && index <= 3) {
    const auto size = static_cast<input::WepSize>(index);
    const int digits = input::KeyDigits(size);
    input::FourKeys keys;
    if (passphrase.empty())
      keys.fill(std::string(static_cast<std::size_t>(digits), '0'));
    else if (size == input::WepSize::Bits64)
      keys = input::Keys64(passphrase);
    else if (size == input::WepSize::Bits128)
      keys = input::Keys128(passphrase);
    else
      keys = input::Keys256(passphrase);
    generatedKey1_ = QString::fromStdString(keys[0]);
    for (int k = 0; k < 4; ++k) {
      fields[k]->MaxLength = digits;
      fields[k]->setText(QString::fromStdString(keys[static_cast<std::size_t>(k)]));
    }
  }
  for (TEdit* field : fields) field->Hint = field->text();

  if (masked)
    for (TEdit* field : fields) field->Hint.clear();
}

bool Wizard::CheckKeysNotZero() {
  // Keys made from an empty pass phrase are all zeros: WEP that anyone can use, never saved.
  if (f_.s_wep->currentIndex() <= 0 || !f_.e_pas->text().isEmpty()) return true;
  //: Refusal on the security page when WEP is on and the pass phrase is empty.
  f_.ShowMessage(TForm1::tr(
      "With WEP on, an empty pass phrase would make every key zeros, which anyone can use. Type a pass phrase; "
      "on the next page you may type a key of your own instead."));
  f_.FocusField(f_.e_pas);
  return false;
}

bool Wizard::CheckKeyField() {
  const char* failure = input::KeyFailure(f_.e_64key1->text().toStdString(), f_.e_64key1->MaxLength);
  // A typed key of zeros is the key anyone can use, refused as keys made from no pass phrase are.
  const QString key = f_.e_64key1->text().left(f_.e_64key1->MaxLength);
  const bool zeros = !failure && key.count('0') == key.size();
  // Passed, the page goes at once: a selection made now would reach a screen reader after the
  // field is gone, which reads it as "unselected".
  if (!failure && !zeros) return true;
  f_.e_64key1->selectAll();
  //: Refusal on the WEP key page when key 1 is typed as all zeros.
  f_.ShowMessage(zeros ? TForm1::tr("A key of all zeros is one anyone can use. Type another key, or go back and type "
                                    "a pass phrase.")
                       : TForm1::tr(failure));
  f_.FocusField(f_.e_64key1);
  f_.e_64key1->selectAll();
  return false;
}

}  // namespace trx::wizard
