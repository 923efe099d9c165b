#pragma once
// Which file of the user guide to open: the one in the language in use, beside the program,
// or the English one where that language has none. Whatever opens it (a PDF reader, a
// browser, the Windows file association) takes the path from here.
#include <QString>

namespace trx::app {

// The guide's file name in a language: "trx61v2.2_ug.pdf" in English (the name the guide
// has always had), "trx61v2.2_ug_fr.pdf" in French; extension "pdf" or "html".
QString GuideFileName(const QString& language, const QString& extension);

// The path of the guide in folder (the "Users Guide" folder, with its trailing separator)
// in language, or of the English guide when folder holds none in that language.
QString GuideFile(const QString& folder, const QString& language, const QString& extension);

}  // namespace trx::app
