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
    ControlSpec spec;
    spec.kind = t[0];
    spec.name = t[1];
    spec.parent = t[2];
    spec.left = t[3].toInt(&ok[0]);
    spec.top = t[4].toInt(&ok[1]);
    spec.width = t[5].toInt(&ok[2]);
    spec.height = t[6].toInt(&ok[3]);
    if (!(ok[0] && ok[1] && ok[2] && ok[3])) {
      out.error = QString("line %1: place and size must be whole numbers").arg(number);
      return out;
    }
    for (int i = 7; i < t.size(); ++i) {
      const qsizetype eq = t[i].indexOf('=');
      if (eq < 0)
        spec.options.insert(t[i], QString());
      else
        spec.options.insert(t[i].left(eq), t[i].mid(eq + 1));
    }
    out.controls.push_back(std::move(spec));
  }
  return out;
}

}  // namespace trx::app
