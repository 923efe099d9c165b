#include "app/formdescription.h"

namespace trx::app {
namespace {

// Splits a line at blanks; a double-quoted run (also after "key=") stays one token.
QStringList Tokens(const QString& line) {
  QStringList tokens;
  QString current;
  bool quoted = false, any = false;
  for (const QChar c : line) {
    if (c == '"') {
      quoted = !quoted;
      any = true;
    } else if (c.isSpace() && !quoted) {
      if (any) tokens << current;
      current.clear();
      any = false;
    } else {
      current += c;
      any = true;
    }
  }
  if (any) tokens << current;
  return tokens;
}

}  // namespace

FormDescription ParseFormDescription(const QString& text) {
  FormDescription out;
  int number = 0;
  for (const QString& raw : text.split('\n')) {
    ++number;
    const QString line = raw.trimmed();
    if (line.isEmpty() || line.startsWith('#')) continue;
    const QStringList t = Tokens(line);
    bool ok[4] = {};
    if (t.size() < 7) {
      out.error = QString("line %1: expected kind, name, parent and four numbers").arg(number);
      return out;
    }
    ControlEntry entry;
    entry.kind = t[0];
    entry.name = t[1];
    entry.parent = t[2];
    entry.left = t[3].toInt(&ok[0]);
    entry.top = t[4].toInt(&ok[1]);
    entry.width = t[5].toInt(&ok[2]);
    entry.height = t[6].toInt(&ok[3]);
    if (!(ok[0] && ok[1] && ok[2] && ok[3])) {
      out.error = QString("line %1: place and size must be whole numbers").arg(number);
      return out;
    }
    for (int i = 7; i < t.size(); ++i) {
      const qsizetype eq = t[i].indexOf('=');
      if (eq < 0)
        entry.options.insert(t[i], QString());
      else
        entry.options.insert(t[i].left(eq), t[i].mid(eq + 1));
    }
    out.controls.push_back(std::move(entry));
  }
  return out;
}

}  // namespace trx::app
