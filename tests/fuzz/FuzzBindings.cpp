// The keyboard bindings as the settings file may hold them (edited by hand, cut short): read,
// written and read again, they must come back the same.
#include "MidiBindings.h"

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QList<vorlo::MidiBindings::Binding> read = vorlo::MidiBindings::fromText(text);
    if (read.size() > vorlo::MidiBindings::kMaxBindings)
        std::abort();
    const QList<vorlo::MidiBindings::Binding> again =
        vorlo::MidiBindings::fromText(vorlo::MidiBindings::toText(read));
    if (again.size() != read.size())
        std::abort();
    for (qsizetype i = 0; i < read.size(); ++i)
        if (!(again[i].trigger == read[i].trigger) || !(again[i].command == read[i].command))
            std::abort();
    return 0;
}
