// What assistive technology is told. The pages and buttons are pictures, so Qt cannot know
// what they say: a picture button is a push button named after its face, with a Press action
// that does what a click does; the page picture carries the words drawn on the page shown;
// fields are named by the captions drawn next to them.
#include <QAccessible>
#include <QAccessibleWidget>

#include "app/form1.h"
#include "app/pagewords.h"

namespace trx::app {
namespace {

QString Text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// A face name is family + "_off" or "_on"; the button is named after the family's face.
QString FaceName(const QString& face) {
  static const std::pair<const char*, const char*> kFaces[] = {
      {"b_setup", "Setup"}, {"b_help", "User Guide"}, {"b_web", "Web Site"}, {"b_exit", "Exit"},
      {"b_next", "Next"},   {"b_back", "Back"},       {"b_yes", "Yes"},      {"b_no", "No"},
      {"b_min", "Minimise"}, {"b_close", "Close"},
  };
  const QString family = face.left(face.lastIndexOf('_')).toLower();
  for (const auto& [f, name] : kFaces)
    if (family == f) return name;
  return {};
}

class PictureAccessible : public QAccessibleWidget {
 public:
  explicit PictureAccessible(TImage* image) : QAccessibleWidget(image, QAccessible::Graphic) {}

  QAccessible::Role role() const override {
    if (IsButton()) return QAccessible::Button;
    if (IsPage()) return QAccessible::Pane;
    return QAccessible::Graphic;
  }

  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name && t != QAccessible::Description) return QAccessibleWidget::text(t);
    const TForm1* form = Form();
    if (!form) return {};
    if (IsButton()) {
      if (Image() == form->errormsg) return t == QAccessible::Name ? QStringLiteral("Continue") : PanelText();
      return t == QAccessible::Name ? FaceName(Image()->Hint) : QString();
    }
    if (!IsPage()) return {};
    // The page is what shows on top: the error panel, the wait panel, or the page picture.
    const char* store = form->errormsg->isVisible()    ? "errormsg"
                        : form->checklink->isVisible() ? "checklink"
                                                       : nullptr;
    const PageWords words = WordsOf(store ? std::string_view(store) : Image()->ShownFrom().toStdString());
    return Text(t == QAccessible::Name ? words.title : words.instruction);
  }

  QStringList actionNames() const override {
    QStringList names = QAccessibleWidget::actionNames();
    if (IsButton()) names.prepend(pressAction());
    return names;
  }

  void doAction(const QString& action) override {
    if (action == pressAction() && IsButton())
      Image()->Press();
    else
      QAccessibleWidget::doAction(action);
  }

 private:
  TImage* Image() const { return static_cast<TImage*>(widget()); }
  const TForm1* Form() const { return qobject_cast<const TForm1*>(widget()->window()); }
  bool IsButton() const { return Image()->focusPolicy() != Qt::NoFocus; }
  bool IsPage() const { return Form() && Image() == Form()->welcome; }
  static QString PanelText() {
    const PageWords words = WordsOf("errormsg");
    return Text(words.title) + ". " + Text(words.instruction);
  }
};

// Qt names a drop-down list after its value on Linux and leaves the caption to a buddy label
// that a page picture cannot be: the caption is its name here, the item its value.
class ListAccessible : public QAccessibleWidget {
 public:
  explicit ListAccessible(TComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {
    addControllingSignal(QStringLiteral("currentIndexChanged(int)"));
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return static_cast<TComboBox*>(widget())->currentText();
    return QAccessibleWidget::text(t);
  }
  QStringList actionNames() const override { return QStringList{showMenuAction()} + QAccessibleWidget::actionNames(); }
  void doAction(const QString& action) override {
    if (action == showMenuAction())
      static_cast<TComboBox*>(widget())->showPopup();
    else
      QAccessibleWidget::doAction(action);
  }
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
  if (auto* image = qobject_cast<TImage*>(object)) return new PictureAccessible(image);
  if (auto* combo = qobject_cast<TComboBox*>(object)) return new ListAccessible(combo);
  return nullptr;
}

}  // namespace

void TForm1::InstallAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(Factory);
    return true;
  }();
  (void)installed;
}

void TForm1::NameControls() {
  setAccessibleName(kApplicationTitle);
  // Fields by the caption drawn next to them.
  const std::pair<QWidget*, const char*> names[] = {
      {e_essid, "ESSID"},        {s_ch, "Channel"},        {e_ap, "Host Name"},
      {e_ip, "IP Address"},      {e_mask, "Net Mask"},     {e_gateway, "Gateway"},
      {ip_dhcp, "Obtain the address by DHCP"},             {ip_ip, "Set the address manually"},
      {s_wep, "WEP"},            {e_pas, "Pass Phrase"},   {e_64key1, "Key 1"},
      {e_64key2, "Key 2"},       {e_64key3, "Key 3"},      {e_64key4, "Key 4"},
      {ap_list, "Access points"}, {e_dhcp, "IP Address"},  {e_ess, "ESSID"},
      {e_ch, "Channel"},         {e_wep, "WEP"},           {bar, "Progress"},
  };
  for (const auto& [widget, name] : names) widget->setAccessibleName(name);
  // The read-only values of the list and confirmation pages: the label reads its value, the
  // caption drawn beside it is the description.
  const std::pair<QWidget*, const char*> captions[] = {
      {l_domain, "Regulatory domain"}, {l_fw, "Firmware version"}, {l_mac, "MAC address"},
      {l_ip, "IP address"},            {l_dhcp, "IP address"},     {l_essid, "ESSID"},
      {l_ch, "Channel"},               {l_wep, "WEP"},             {e_dhcp, "New IP address"},
      {e_ess, "New ESSID"},            {e_ch, "New channel"},      {e_wep, "New WEP"},
  };
  for (const auto& [widget, caption] : captions) widget->setAccessibleDescription(caption);
}

}  // namespace trx::app
