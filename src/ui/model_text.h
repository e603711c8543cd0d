#pragma once
// The one text encoding at the Qt boundary. The model holds 8-bit Latin-1 text - field texts,
// the scratch pad, the Reference list, file names - so a design file's bytes come back as they
// were saved; every window, the printer and the file dialogs convert with this pair.

#include <QString>

#include <string>
#include <string_view>

namespace qv {

inline QString toQt(std::string_view modelText)
{
    return QString::fromLatin1(modelText.data(), static_cast<qsizetype>(modelText.size()));
}

// A character Latin-1 has no byte for becomes "?".
inline std::string fromQt(const QString& text) { return text.toLatin1().toStdString(); }

// Whether the model can hold the text without replacing a character.
inline bool fitsModel(const QString& text) { return toQt(fromQt(text)) == text; }

} // namespace qv
