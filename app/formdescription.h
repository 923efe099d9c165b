#pragma once
// Reads the declarative form description: one control a line, in creation order.
#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

namespace trx::app {

struct ControlEntry {
  QString kind;  // form, picture, button, label, edit, combo, list, panel, radio, progress, socket, timer
  QString name;
  QString parent;  // "-" for the form itself
  int left = 0, top = 0, width = 0, height = 0;
  QHash<QString, QString> options;  // flags map to an empty text

  bool Has(const QString& option) const { return options.contains(option); }
  QString Option(const QString& option, const QString& fallback = {}) const { return options.value(option, fallback); }
};

struct FormDescription {
  std::vector<ControlEntry> controls;
  QString error;  // the first line that could not be read, empty when all could
};

FormDescription ParseFormDescription(const QString& text);

}  // namespace trx::app
