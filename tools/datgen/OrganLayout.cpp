#include "OrganLayout.h"

#include "GsConstants.h"

namespace vorlo::datgen {

namespace {

constexpr int kFondiPositions = 30;
constexpr int kOtherPositions = 20;

constexpr int kGreatChannel = 1;
constexpr int kSwellChannel = 2;
constexpr int kPedalChannel = 3;

const std::vector<int> kGreatFondi = {1, 2, 3, 4, 5};
const std::vector<int> kGreatAnce = {6, 7, 8, 9};
const std::vector<int> kGreatMutazioni = {11, 12, 13};
const std::vector<int> kSwellFondi = {17, 18, 19, 20, 21};
const std::vector<int> kSwellAnce = {22, 23, 24, 25};
const std::vector<int> kSwellMutazioni = {27, 28, 29};
const std::vector<int> kPedale = {14, 15, 16, 30, 31, 32};
const std::vector<int> kNone;

} // namespace

QString OrganLayout::key(Family family) {
    switch (family) {
    case Family::Fondi:
        return QStringLiteral("fondi");
    case Family::Mutazioni:
        return QStringLiteral("mutazioni");
    case Family::Ance:
        return QStringLiteral("ance");
    case Family::Pedale:
        return QStringLiteral("pedale");
    }
    return {};
}

int OrganLayout::positionCount(Family family) {
    return family == Family::Fondi ? kFondiPositions : kOtherPositions;
}

const std::vector<int>& OrganLayout::parts(Division division, Family family) {
    if (division == Division::Pedal)
        return family == Family::Pedale ? kPedale : kNone;
    const bool great = division == Division::Great;
    switch (family) {
    case Family::Fondi:
        return great ? kGreatFondi : kSwellFondi;
    case Family::Mutazioni:
        return great ? kGreatMutazioni : kSwellMutazioni;
    case Family::Ance:
        return great ? kGreatAnce : kSwellAnce;
    case Family::Pedale:
        break;
    }
    return kNone;
}

int OrganLayout::partCount(Family family) {
    if (family == Family::Pedale)
        return static_cast<int>(kPedale.size());
    return static_cast<int>(parts(Division::Great, family).size());
}

int OrganLayout::reinforcementPart(Division manual) {
    return manual == Division::Swell ? kSwellReinforcementPart : kGreatReinforcementPart;
}

int OrganLayout::channel(Division division) {
    switch (division) {
    case Division::Great:
        return kGreatChannel;
    case Division::Swell:
        return kSwellChannel;
    case Division::Pedal:
        return kPedalChannel;
    }
    return kGreatChannel;
}

OrganLayout::Division OrganLayout::divisionOfPart(int part) {
    for (int p : kPedale)
        if (p == part)
            return Division::Pedal;
    return part <= gs::PartsPerPort ? Division::Great : Division::Swell;
}

bool OrganLayout::familyOfPart(int part, Family* family) {
    for (Division d : {Division::Great, Division::Swell, Division::Pedal}) {
        for (Family f : kFamilies) {
            for (int p : parts(d, f)) {
                if (p == part) {
                    if (family)
                        *family = f;
                    return true;
                }
            }
        }
    }
    return false;
}

} // namespace vorlo::datgen
