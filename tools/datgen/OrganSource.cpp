#include "OrganSource.h"

#include "Cp1252.h"
#include "GsConstants.h"
#include "GsMap.h"
#include "StopTable.h"
#include "TemperamentMath.h"

#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <utility>

namespace vorlo::datgen {

namespace {

using Family = OrganLayout::Family;

constexpr int kSevenBitMax = 127;
constexpr int kLowestAudibleLevel = 1;
constexpr int kLowestPan = 1; // 0 would be the GS random pan
constexpr int kHighestAssignableController = 0x5F;
constexpr int kPercent = 100;
constexpr double kAmplitudeStepsPerPercent = 0.64; // 00..7F = -100..+100 %
constexpr double kRateStepsPerHz = 6.4;            // 00..7F = -10..+10 Hz
constexpr double kMaxRateControlHz = 10.0;
constexpr double kMaxPitchDepthCents = 600.0; // 00..7F = 0..600 cents
constexpr int kSignedOffsetMin = -64;
constexpr int kSignedOffsetMax = 63;
// The console lists temperament and reverb names up to the first one shorter than this.
constexpr int kShortestListedName = 4;
constexpr int kLastGlobalEntry = 39;

// A tone of the source: its variation (CC#00) and program number.
using ToneRef = std::pair<uint8_t, uint8_t>;

bool failAt(QString& err, const QString& where, const QString& what) {
    err = where + QStringLiteral(": ") + what;
    return false;
}

bool knownKeys(const QJsonObject& o, const QStringList& allowed, const QString& where,
               QString& err) {
    for (const QString& k : o.keys())
        if (!allowed.contains(k))
            return failAt(err, where, QStringLiteral("unknown key \"%1\"").arg(k));
    return true;
}

bool integer(const QJsonValue& v, int lo, int hi, const QString& where, QString& err, int& out) {
    if (!v.isDouble())
        return failAt(err, where, QStringLiteral("needs a number"));
    const double d = v.toDouble();
    if (d != std::floor(d) || d < lo || d > hi)
        return failAt(err, where,
                      QStringLiteral("needs a whole number from %1 to %2").arg(lo).arg(hi));
    out = static_cast<int>(d);
    return true;
}

bool number(const QJsonValue& v, double lo, double hi, const QString& where, QString& err,
            double& out) {
    if (!v.isDouble() || v.toDouble() < lo || v.toDouble() > hi)
        return failAt(err, where, QStringLiteral("needs a number from %1 to %2").arg(lo).arg(hi));
    out = v.toDouble();
    return true;
}

// Text for a stops-table name: not empty and writable in the console's code page.
bool text(const QJsonValue& v, int minLength, const QString& where, QString& err, QString& out) {
    if (!v.isString())
        return failAt(err, where, QStringLiteral("needs a text"));
    out = v.toString();
    if (out.size() < minLength)
        return failAt(err, where, QStringLiteral("needs at least %1 characters").arg(minLength));
    if (cp1252::decode(cp1252::encode(out)) != out)
        return failAt(err, where, QStringLiteral("has characters outside Windows-1252"));
    return true;
}

bool object(const QJsonValue& v, const QString& where, QString& err, QJsonObject& out) {
    if (!v.isObject())
        return failAt(err, where, QStringLiteral("needs an object"));
    out = v.toObject();
    return true;
}

bool array(const QJsonValue& v, int count, const QString& where, QString& err, QJsonArray& out) {
    if (!v.isArray())
        return failAt(err, where, QStringLiteral("needs a list"));
    out = v.toArray();
    if (count >= 0 && out.size() != count)
        return failAt(err, where,
                      QStringLiteral("needs %1 items, has %2").arg(count).arg(out.size()));
    return true;
}

bool manualFamily(const QJsonValue& v, const QString& where, QString& err, Family& out) {
    for (Family f : OrganLayout::kManualFamilies) {
        if (v.toString() == OrganLayout::key(f)) {
            out = f;
            return true;
        }
    }
    return failAt(err, where, QStringLiteral("needs fondi, mutazioni or ance"));
}

bool readTones(const QJsonObject& root, QString& err, QHash<QString, ToneRef>& tones) {
    QJsonObject o;
    if (!object(root.value(QStringLiteral("tones")), QStringLiteral("tones"), err, o))
        return false;
    for (auto it = o.begin(); it != o.end(); ++it) {
        const QString where = QStringLiteral("tones.") + it.key();
        QJsonObject t;
        int variation = 0;
        int program = 0;
        QString gsName;
        if (!object(it.value(), where, err, t) ||
            !knownKeys(t, {"bank", "program", "gsName"}, where, err) ||
            !integer(t.value("bank"), 0, kSevenBitMax, where + ".bank", err, variation) ||
            !integer(t.value("program"), 0, kSevenBitMax, where + ".program", err, program) ||
            !text(t.value("gsName"), 1, where + ".gsName", err, gsName))
            return false;
        tones.insert(it.key(), {static_cast<uint8_t>(variation), static_cast<uint8_t>(program)});
    }
    return true;
}

bool readFootages(const QJsonObject& root, QString& err, QHash<QString, int>& footages) {
    QJsonObject o;
    if (!object(root.value(QStringLiteral("footages")), QStringLiteral("footages"), err, o))
        return false;
    for (auto it = o.begin(); it != o.end(); ++it) {
        int shift = 0;
        if (!integer(it.value(), -GsMap::kKeyShiftRange, GsMap::kKeyShiftRange,
                     QStringLiteral("footages.") + it.key(), err, shift))
            return false;
        footages.insert(it.key(), shift);
    }
    return true;
}

bool readRank(const QJsonValue& v, const QHash<QString, ToneRef>& tones,
              const QHash<QString, int>& footages, const QString& where, QString& err,
              OrganModel::Rank& rank) {
    QJsonArray a;
    if (!array(v, 3, where, err, a))
        return false;
    const auto tone = tones.constFind(a[0].toString());
    if (!a[0].isString() || tone == tones.constEnd())
        return failAt(err, where, QStringLiteral("unknown tone \"%1\"").arg(a[0].toString()));
    const auto foot = footages.constFind(a[1].toString());
    if (!a[1].isString() || foot == footages.constEnd())
        return failAt(err, where, QStringLiteral("unknown footage \"%1\"").arg(a[1].toString()));
    rank.variation = tone->first;
    rank.program = tone->second;
    rank.keyShift = *foot;
    return integer(a[2], kLowestAudibleLevel, kSevenBitMax, where + "[2]", err, rank.level);
}

bool readStops(const QJsonObject& root, const QHash<QString, ToneRef>& tones,
               const QHash<QString, int>& footages, QString& err, OrganModel& model) {
    QJsonObject all;
    if (!object(root.value(QStringLiteral("stops")), QStringLiteral("stops"), err, all) ||
        !knownKeys(all, {"fondi", "mutazioni", "ance", "pedale"}, QStringLiteral("stops"), err))
        return false;
    for (Family family : OrganLayout::kFamilies) {
        const QString key = OrganLayout::key(family);
        QJsonArray list;
        if (!array(all.value(key), OrganLayout::positionCount(family), "stops." + key, err, list))
            return false;
        const bool hasFlags = family == Family::Fondi || family == Family::Ance;
        std::vector<OrganModel::Stop> stops;
        QSet<QString> names;
        for (int p = 0; p < list.size(); ++p) {
            const QString where = QStringLiteral("stops.%1[%2]").arg(key).arg(p);
            QJsonObject o;
            OrganModel::Stop stop;
            QJsonArray ranks;
            if (!object(list[p], where, err, o) ||
                !knownKeys(o, {"name", "reinforce", "ranks"}, where, err) ||
                !text(o.value("name"), 1, where + ".name", err, stop.name) ||
                !array(o.value("ranks"), -1, where + ".ranks", err, ranks))
                return false;
            if (names.contains(stop.name))
                return failAt(err, where + ".name",
                              QStringLiteral("repeats \"%1\"").arg(stop.name));
            names.insert(stop.name);
            const QJsonValue flag = o.value("reinforce");
            if (!flag.isUndefined() && !flag.isBool())
                return failAt(err, where + ".reinforce", QStringLiteral("needs true or false"));
            stop.reinforce = flag.toBool(false);
            if (stop.reinforce && !hasFlags)
                return failAt(
                    err, where + ".reinforce",
                    QStringLiteral("only Fondi and Ance/Archi stops take the reinforcement"));
            if (p == 0 && !ranks.isEmpty())
                return failAt(err, where + ".ranks",
                              QStringLiteral("position 0 is the cancel: it has no ranks"));
            if (p > 0 && (ranks.isEmpty() || ranks.size() > OrganLayout::partCount(family)))
                return failAt(err, where + ".ranks",
                              QStringLiteral("needs 1 to %1 ranks, one per part of the family")
                                  .arg(OrganLayout::partCount(family)));
            for (int r = 0; r < ranks.size(); ++r) {
                OrganModel::Rank rank;
                if (!readRank(ranks[r], tones, footages,
                              QStringLiteral("%1.ranks[%2]").arg(where).arg(r), err, rank))
                    return false;
                stop.ranks.push_back(rank);
            }
            stops.push_back(stop);
        }
        model.stops[family] = stops;
    }
    return true;
}

bool readVoicing(const QJsonObject& root, QString& err, OrganModel& model) {
    const QString where = QStringLiteral("voicing");
    QJsonObject o;
    QJsonObject controllers;
    QJsonObject pans;
    int level = 0;
    int reverb = 0;
    int depth = 0;
    if (!object(root.value(where), where, err, o) ||
        !knownKeys(o,
                   {"about", "partLevel", "reverbSend", "balanceControllers", "balanceDepthPercent",
                    "pan"},
                   where, err) ||
        !integer(o.value("partLevel"), kLowestAudibleLevel, kSevenBitMax, where + ".partLevel", err,
                 level) ||
        !integer(o.value("reverbSend"), 0, kSevenBitMax, where + ".reverbSend", err, reverb) ||
        !integer(o.value("balanceDepthPercent"), -kPercent, kPercent,
                 where + ".balanceDepthPercent", err, depth) ||
        !object(o.value("balanceControllers"), where + ".balanceControllers", err, controllers) ||
        !object(o.value("pan"), where + ".pan", err, pans))
        return false;
    auto& v = model.voicing;
    v.partLevel = static_cast<uint8_t>(level);
    v.reverbSend = static_cast<uint8_t>(reverb);
    v.balanceDepth = static_cast<uint8_t>(std::clamp<long>(
        GsMap::kCentre + std::lround(depth * kAmplitudeStepsPerPercent), 0, kSevenBitMax));
    for (Family f : OrganLayout::kManualFamilies) {
        int cc = 0;
        if (!integer(controllers.value(OrganLayout::key(f)), 0, kHighestAssignableController,
                     where + ".balanceControllers." + OrganLayout::key(f), err, cc))
            return false;
        v.balanceController[f] = static_cast<uint8_t>(cc);
    }
    for (Family f : OrganLayout::kFamilies) {
        const QString at = where + ".pan." + OrganLayout::key(f);
        QJsonArray list;
        if (!array(pans.value(OrganLayout::key(f)), OrganLayout::partCount(f), at, err, list))
            return false;
        for (int i = 0; i < list.size(); ++i) {
            int pan = 0;
            if (!integer(list[i], kLowestPan, kSevenBitMax, QStringLiteral("%1[%2]").arg(at).arg(i),
                         err, pan))
                return false;
            v.pan[f].push_back(static_cast<uint8_t>(pan));
        }
    }
    return true;
}

bool readReinforcement(const QJsonObject& root, const QHash<QString, ToneRef>& tones,
                       const QHash<QString, int>& footages, QString& err, OrganModel& model) {
    const QString where = QStringLiteral("reinforcement");
    QJsonObject o;
    int pan = 0;
    if (!object(root.value(where), where, err, o) ||
        !knownKeys(o, {"about", "tone", "footage", "level", "pan", "balance"}, where, err))
        return false;
    const QJsonArray asRank = {o.value("tone"), o.value("footage"), o.value("level")};
    if (!readRank(asRank, tones, footages, where, err, model.reinforcement.rank) ||
        !integer(o.value("pan"), kLowestPan, kSevenBitMax, where + ".pan", err, pan) ||
        !manualFamily(o.value("balance"), where + ".balance", err, model.reinforcement.balance))
        return false;
    model.reinforcement.pan = static_cast<uint8_t>(pan);
    return true;
}

bool readTremulant(const QJsonObject& all, const QString& key, QString& err,
                   OrganModel::Tremulant& t) {
    const QString where = QStringLiteral("tremulants.") + key;
    QJsonObject o;
    double rate = 0;
    double pitch = 0;
    int amplitude = 0;
    int vibratoRate = 0;
    int vibratoDelay = 0;
    if (!object(all.value(key), where, err, o) ||
        !knownKeys(o,
                   {"lfoRateControlHz", "pitchDepthCents", "amplitudeDepthPercent",
                    "vibratoRateOffset", "vibratoDelayOffset"},
                   where, err) ||
        !number(o.value("lfoRateControlHz"), -kMaxRateControlHz, kMaxRateControlHz,
                where + ".lfoRateControlHz", err, rate) ||
        !number(o.value("pitchDepthCents"), 0, kMaxPitchDepthCents, where + ".pitchDepthCents", err,
                pitch) ||
        !integer(o.value("amplitudeDepthPercent"), 0, kPercent, where + ".amplitudeDepthPercent",
                 err, amplitude) ||
        !integer(o.value("vibratoRateOffset"), kSignedOffsetMin, kSignedOffsetMax,
                 where + ".vibratoRateOffset", err, vibratoRate) ||
        !integer(o.value("vibratoDelayOffset"), kSignedOffsetMin, kSignedOffsetMax,
                 where + ".vibratoDelayOffset", err, vibratoDelay))
        return false;
    auto byte = [](long v) { return static_cast<uint8_t>(std::clamp<long>(v, 0, kSevenBitMax)); };
    t.lfoRateControl = byte(GsMap::kCentre + std::lround(rate * kRateStepsPerHz));
    t.pitchDepth = byte(std::lround(pitch * kSevenBitMax / kMaxPitchDepthCents));
    t.amplitudeDepth = byte(std::lround(amplitude * double(kSevenBitMax) / kPercent));
    t.vibratoRate = byte(GsMap::kCentre + vibratoRate);
    t.vibratoDelay = byte(GsMap::kCentre + vibratoDelay);
    return true;
}

bool readTemperaments(const QJsonObject& root, QString& err, OrganModel& model) {
    QJsonArray list;
    if (!array(root.value("temperaments"), OrganModel::kTemperamentCount,
               QStringLiteral("temperaments"), err, list))
        return false;
    for (int i = 0; i < list.size(); ++i) {
        const QString where = QStringLiteral("temperaments[%1]").arg(i);
        QJsonObject o;
        QJsonArray fifths;
        OrganModel::Temperament t;
        QString source;
        if (!object(list[i], where, err, o) ||
            !knownKeys(o, {"name", "source", "fifths"}, where, err) ||
            !text(o.value("name"), kShortestListedName, where + ".name", err, t.name) ||
            !text(o.value("source"), 1, where + ".source", err, source) ||
            !array(o.value("fifths"), TemperamentMath::kNotes, where + ".fifths", err, fifths))
            return false;
        QStringList terms;
        for (const QJsonValue& f : fifths)
            terms << (f.isString() ? f.toString() : QStringLiteral("?"));
        QString why;
        const auto cents = TemperamentMath::deviations(terms, &why);
        const auto bytes = cents ? TemperamentMath::scaleTuning(*cents, &why) : std::nullopt;
        if (!bytes)
            return failAt(err, where + ".fifths", why);
        t.scaleTuning = *bytes;
        model.temperaments.push_back(t);
    }
    return true;
}

bool readReverbs(const QJsonObject& root, QString& err, OrganModel& model) {
    QJsonArray list;
    if (!array(root.value("reverbs"), OrganModel::kReverbCount, QStringLiteral("reverbs"), err,
               list))
        return false;
    for (int i = 0; i < list.size(); ++i) {
        const QString where = QStringLiteral("reverbs[%1]").arg(i);
        QJsonObject o;
        OrganModel::Reverb r;
        int macro = 0;
        if (!object(list[i], where, err, o) || !knownKeys(o, {"name", "macro"}, where, err) ||
            !text(o.value("name"), kShortestListedName, where + ".name", err, r.name) ||
            !integer(o.value("macro"), 0, gs::ReverbMacroCount - 1, where + ".macro", err, macro))
            return false;
        r.macro = static_cast<uint8_t>(macro);
        model.reverbs.push_back(r);
    }
    return true;
}

bool readGlobalTexts(const QJsonObject& root, QString& err, OrganModel& model) {
    QJsonArray list;
    if (!array(root.value("globalTexts"), -1, QStringLiteral("globalTexts"), err, list))
        return false;
    const int firstNamedElsewhere = StopTable::kTemperamentFirst;
    const int lastNamedElsewhere = StopTable::kReverbFirst + OrganModel::kReverbCount - 1;
    for (int i = 0; i < list.size(); ++i) {
        const QString where = QStringLiteral("globalTexts[%1]").arg(i);
        QJsonObject o;
        int entry = 0;
        QString t;
        if (!object(list[i], where, err, o) || !knownKeys(o, {"entry", "text"}, where, err) ||
            !integer(o.value("entry"), 0, kLastGlobalEntry, where + ".entry", err, entry) ||
            !text(o.value("text"), 1, where + ".text", err, t))
            return false;
        if (entry >= firstNamedElsewhere && entry <= lastNamedElsewhere)
            return failAt(err, where + ".entry",
                          QStringLiteral("temperament and reverb names come from their own lists"));
        if (model.globalTexts.count(entry))
            return failAt(err, where + ".entry", QStringLiteral("entry %1 named twice").arg(entry));
        model.globalTexts[entry] = t;
    }
    return true;
}

} // namespace

std::optional<OrganModel> OrganSource::parse(const QByteArray& json, QString* error) {
    QString err;
    auto fail = [&]() -> std::optional<OrganModel> {
        if (error)
            *error = err;
        return std::nullopt;
    };
    QJsonParseError pe;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &pe);
    if (pe.error != QJsonParseError::NoError) {
        err = QStringLiteral("not valid JSON at character %1: %2")
                  .arg(pe.offset)
                  .arg(pe.errorString());
        return fail();
    }
    if (!doc.isObject()) {
        err = QStringLiteral("the organ source must be one JSON object");
        return fail();
    }
    const QJsonObject root = doc.object();
    if (!knownKeys(root,
                   {"about", "sources", "deviceId", "groupNames", "tones", "footages", "voicing",
                    "reinforcement", "tremulants", "stops", "temperaments", "reverbs",
                    "globalTexts"},
                   QStringLiteral("organ"), err))
        return fail();

    OrganModel model;
    int device = 0;
    QJsonArray groups;
    if (!integer(root.value("deviceId"), 0, kSevenBitMax, QStringLiteral("deviceId"), err,
                 device) ||
        !array(root.value("groupNames"), static_cast<int>(model.groupNames.size()),
               QStringLiteral("groupNames"), err, groups))
        return fail();
    model.deviceId = static_cast<uint8_t>(device);
    for (int i = 0; i < groups.size(); ++i)
        if (!text(groups[i], 1, QStringLiteral("groupNames[%1]").arg(i), err, model.groupNames[i]))
            return fail();

    QHash<QString, ToneRef> tones;
    QHash<QString, int> footages;
    QJsonObject tremulants;
    if (!readTones(root, err, tones) || !readFootages(root, err, footages) ||
        !readVoicing(root, err, model) || !readReinforcement(root, tones, footages, err, model) ||
        !object(root.value("tremulants"), QStringLiteral("tremulants"), err, tremulants) ||
        !knownKeys(tremulants, {"about", "doux", "fort"}, QStringLiteral("tremulants"), err) ||
        !readTremulant(tremulants, QStringLiteral("doux"), err, model.doux) ||
        !readTremulant(tremulants, QStringLiteral("fort"), err, model.fort) ||
        !readStops(root, tones, footages, err, model) || !readTemperaments(root, err, model) ||
        !readReverbs(root, err, model) || !readGlobalTexts(root, err, model))
        return fail();
    return model;
}

std::optional<OrganModel> OrganSource::read(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = path + QStringLiteral(": ") + file.errorString();
        return std::nullopt;
    }
    return parse(file.readAll(), error);
}

} // namespace vorlo::datgen
