// Writes a minimal but valid default stops table: a name for every stop and group, a GS reset
// as the first global message, and no stop data.
#include "core/Cp1252.h"
#include "midi/RolandChecksum.h"
#include "stops_table/DatFile.h"

#include <QCoreApplication>
#include <QTextStream>

using vorlo::StopTable;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        QTextStream(stderr) << "usage: vorlo-datgen OUTPUT.dat\n";
        return 2;
    }
    StopTable t;
    const char gsReset[] = {0x40, 0x00, 0x7F, 0x00};
    t.set(0, vorlo::RolandChecksum::dataSet(0x10, QByteArrayView(gsReset, 4)));
    auto name = [&t](int entry, const QString& text) { t.set(entry, vorlo::cp1252::encode(text)); };
    for (int i = 0; i < 30; ++i)
        name(StopTable::kFondiNames + i, i == 0 ? QStringLiteral("Cancel") : QStringLiteral("Fondo %1").arg(i));
    for (int i = 0; i < 20; ++i) {
        name(StopTable::kMutazioniNames + i, i == 0 ? QStringLiteral("Cancel") : QStringLiteral("Mutazione %1").arg(i));
        name(StopTable::kAncieNames + i, i == 0 ? QStringLiteral("Cancel") : QStringLiteral("Ancia %1").arg(i));
        name(StopTable::kPedaleNames + i, i == 0 ? QStringLiteral("Cancel") : QStringLiteral("Pedale %1").arg(i));
    }
    name(StopTable::kGroupNames + 0, QStringLiteral("Principali e Flauti"));
    name(StopTable::kGroupNames + 1, QStringLiteral("Mutazioni"));
    name(StopTable::kGroupNames + 2, QStringLiteral("Ance / Archi"));
    name(StopTable::kGroupNames + 3, QStringLiteral("Pedale"));
    name(StopTable::kGlobalTexts + 0, QStringLiteral("GS Reset"));
    for (int i = 0; i < 30; ++i)
        name(StopTable::kReinforceFondi + i, QStringLiteral("0"));
    for (int i = 0; i < 20; ++i)
        name(StopTable::kReinforceAncie + i, QStringLiteral("0"));
    QString error;
    if (!vorlo::DatFile::write(args[1], t, &error)) {
        QTextStream(stderr) << "vorlo-datgen: " << error << "\n";
        return 1;
    }
    return 0;
}
