#include "FontMapper.h"

#include <QFontDatabase>
#include <QStringList>

namespace vorlo {
namespace {

struct Substitute {
    const char* windowsName;
    QStringList candidates; // in order of preference
    bool condensedFallback; // the last resort is wider than the original: condense it
};

const QList<Substitute>& substitutes() {
    static const QList<Substitute> table = {
        {"Small Fonts",
         {QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Arial Narrow"),
          QStringLiteral("DejaVu Sans")},
         true},
        {"Arial",
         {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Helvetica"),
          QStringLiteral("DejaVu Sans")},
         true},
        {"MS Sans Serif",
         {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
          QStringLiteral("DejaVu Sans")},
         true},
        {"Times New Roman",
         {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"),
          QStringLiteral("DejaVu Serif")},
         true},
        {"Courier New",
         {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine"),
          QStringLiteral("DejaVu Sans Mono")},
         false},
    };
    return table;
}

const Substitute* substituteFor(const QString& name) {
    for (const Substitute& s : substitutes())
        if (name.compare(QLatin1String(s.windowsName), Qt::CaseInsensitive) == 0)
            return &s;
    return nullptr;
}

} // namespace

QString FontMapper::family(const QString& name) {
    if (name.isEmpty() || QFontDatabase::hasFamily(name))
        return name;
    if (const Substitute* s = substituteFor(name)) {
        for (const QString& c : s->candidates)
            if (QFontDatabase::hasFamily(c))
                return c;
    }
    return name; // the platform's own font matching takes over
}

bool FontMapper::needsCondensing(const QString& name) {
    if (name.isEmpty() || QFontDatabase::hasFamily(name))
        return false;
    const Substitute* s = substituteFor(name);
    return s && s->condensedFallback && family(name) == s->candidates.last();
}

QFont FontMapper::toQFont(const FontStyle& style) {
    QFont f;
    const QString fam = family(style.name);
    if (!fam.isEmpty())
        f.setFamilies({fam});
    if (style.size > 0)
        f.setPointSizeF(style.size);
    f.setBold(style.bold);
    f.setItalic(style.italic);
    if (needsCondensing(style.name))
        f.setStretch(QFont::SemiCondensed);
    return f;
}

} // namespace vorlo
