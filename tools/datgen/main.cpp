// vorlo-datgen: builds a stops table (.dat) from the readable organ source, and dumps any stops
// table back to text.
//
//   vorlo-datgen build SOURCE OUTPUT.dat   SOURCE is an organ source (JSON) or a dump
//   vorlo-datgen dump FILE.dat [OUTPUT.txt]  writes to standard output without OUTPUT.txt
//   vorlo-datgen sizes FILE.dat            the bytes a stop, a general memory and the reset send
#include "DatDump.h"
#include "DatFile.h"
#include "OrganBuilder.h"
#include "OrganSource.h"
#include "SafeFile.h"
#include "WireBytes.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

using namespace vorlo;
using namespace vorlo::datgen;

namespace {

constexpr int kOk = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

int usage() {
    QTextStream(stderr) << "usage: vorlo-datgen build SOURCE OUTPUT.dat\n"
                           "       vorlo-datgen dump FILE.dat [OUTPUT.txt]\n"
                           "       vorlo-datgen sizes FILE.dat\n";
    return kUsage;
}

int failed(const QString& why) {
    QTextStream(stderr) << "vorlo-datgen: " << why << "\n";
    return kFailed;
}

// A dump starts with a comment or an entry line; an organ source with '{'.
bool looksLikeJson(const QByteArray& bytes) {
    return bytes.trimmed().startsWith('{');
}

int build(const QString& sourcePath, const QString& outputPath) {
    QFile file(sourcePath);
    if (!file.open(QIODevice::ReadOnly))
        return failed(sourcePath + QStringLiteral(": ") + file.errorString());
    const QByteArray bytes = file.readAll();
    QString error;
    std::optional<StopTable> table;
    if (looksLikeJson(bytes)) {
        const auto organ = OrganSource::parse(bytes, &error);
        if (organ)
            table = OrganBuilder::build(*organ);
    } else {
        table = DatDump::fromText(QString::fromUtf8(bytes), &error);
    }
    if (!table)
        return failed(sourcePath + QStringLiteral(": ") + error);
    if (!DatFile::write(outputPath, *table, &error))
        return failed(outputPath + QStringLiteral(": ") + error);
    return kOk;
}

int dump(const QString& datPath, const QString& outputPath) {
    QFile file(datPath);
    if (!file.open(QIODevice::ReadOnly))
        return failed(datPath + QStringLiteral(": ") + file.errorString());
    const QString text =
        DatDump::toText(DatFile::parse(file.readAll()), QFileInfo(datPath).fileName());
    if (outputPath.isEmpty()) {
        QTextStream out(stdout);
        out.setEncoding(QStringConverter::Utf8);
        out << text;
        return kOk;
    }
    QString error;
    if (!SafeFile::write(outputPath, text.toUtf8(), &error))
        return failed(outputPath + QStringLiteral(": ") + error);
    return kOk;
}

int sizes(const QString& datPath) {
    QFile file(datPath);
    if (!file.open(QIODevice::ReadOnly))
        return failed(datPath + QStringLiteral(": ") + file.errorString());
    QTextStream(stdout) << WireBytes::report(DatFile::parse(file.readAll()));
    return kOk;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args[1] == QLatin1String("build"))
        return build(args[2], args[3]);
    if ((args.size() == 3 || args.size() == 4) && args[1] == QLatin1String("dump"))
        return dump(args[2], args.size() == 4 ? args[3] : QString());
    if (args.size() == 3 && args[1] == QLatin1String("sizes"))
        return sizes(args[2]);
    return usage();
}
