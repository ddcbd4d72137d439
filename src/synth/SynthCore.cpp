#include "SynthCore.h"

#include <algorithm>
#include <cmath>

#include <QFileInfo>
#include <fluidsynth.h>

namespace vorlo {

SynthCore::SynthCore(const Options& o) : sampleRate_(o.sampleRate), limiter_(o.sampleRate) {
    settings_ = new_fluid_settings();
    fluid_settings_setnum(settings_, "synth.sample-rate", o.sampleRate);
    fluid_settings_setnum(settings_, "synth.gain", kGain);
    fluid_settings_setint(settings_, "synth.midi-channels", o.channels);
    fluid_settings_setint(settings_, "synth.polyphony", o.polyphony);
    // The GS layer sets reverb and levels itself; chorus is not used by the organ.
    fluid_settings_setint(settings_, "synth.chorus.active", 0);
    fluid_settings_setint(settings_, "synth.reverb.active", 1);
    synth_ = new_fluid_synth(settings_);

    if (!o.sineSoundFont.isEmpty() && QFileInfo::exists(o.sineSoundFont))
        sineFont_ = fluid_synth_sfload(synth_, QFile::encodeName(o.sineSoundFont).constData(), 0);
    soundFontPath_ = o.soundFont;
    if (o.soundFont.isEmpty()) {
        soundFontError_ = QStringLiteral("no SoundFont chosen");
    } else if (!QFileInfo(o.soundFont).isReadable()) {
        soundFontError_ = QStringLiteral("the SoundFont \"%1\" cannot be read").arg(o.soundFont);
    } else {
        mainFont_ = fluid_synth_sfload(synth_, QFile::encodeName(o.soundFont).constData(), 0);
        if (mainFont_ < 0) {
            mainFont_ = -1;
            soundFontError_ = QStringLiteral("\"%1\" is not a SoundFont").arg(o.soundFont);
        }
    }
    // A channel starts silent until the GS layer gives it a tone.
    for (int c = 0; c < o.channels; ++c)
        fluid_synth_unset_program(synth_, c);
}

SynthCore::~SynthCore() {
    delete_fluid_synth(synth_);
    delete_fluid_settings(settings_);
}

void SynthCore::render(float* left, float* right, int frames) {
    fluid_synth_write_float(synth_, frames, left, 0, 1, right, 0, 1);
    const float volume = volume_.load(std::memory_order_relaxed);
    if (volume != 1.0f) {
        for (int i = 0; i < frames; ++i) {
            left[i] *= volume;
            right[i] *= volume;
        }
    }
    limiter_.process(left, right, frames);
    float block = 0.0f;
    for (int i = 0; i < frames; ++i)
        block = std::max({block, std::fabs(left[i]), std::fabs(right[i])});
    float seen = peak_.load(std::memory_order_relaxed);
    while (block > seen && !peak_.compare_exchange_weak(seen, block, std::memory_order_relaxed)) {
    }
    if (RenderTap* tap = tap_.load(std::memory_order_acquire))
        tap->rendered(left, right, frames);
}

bool SynthCore::hasPreset(int fontId, int bank, int program) const {
    if (fontId < 0)
        return false;
    fluid_sfont_t* font = fluid_synth_get_sfont_by_id(synth_, fontId);
    return font && fluid_sfont_get_preset(font, bank, program);
}

SynthCore::ToneSource SynthCore::toneSource(fluid_sfont_t* font, int variation, int program) {
    if (!font)
        return ToneSource::Missing;
    if (fluid_sfont_get_preset(font, variation, program))
        return ToneSource::Own;
    if (variation != 0 && fluid_sfont_get_preset(font, 0, program))
        return ToneSource::Capital;
    return ToneSource::Missing;
}

bool SynthCore::selectTone(int channel, int variation, int program, bool rhythm) {
    fluid_synth_set_channel_type(synth_, channel,
                                 rhythm ? CHANNEL_TYPE_DRUM : CHANNEL_TYPE_MELODIC);
    struct Choice {
        int font, bank;
    };
    Choice candidates[3];
    int n = 0;
    if (rhythm) {
        candidates[n++] = {mainFont_, kDrumBank};
    } else if (variation == kSineBank && program == kSineProgram) {
        candidates[n++] = {sineFont_, kSineBank};
        candidates[n++] = {mainFont_, kSineBank};
    } else {
        // The player's SoundFont, as its check names the tone's source.
        fluid_sfont_t* font =
            mainFont_ >= 0 ? fluid_synth_get_sfont_by_id(synth_, mainFont_) : nullptr;
        switch (toneSource(font, variation, program)) {
        case ToneSource::Own:
            candidates[n++] = {mainFont_, variation};
            break;
        case ToneSource::Capital:
            candidates[n++] = {mainFont_, 0};
            break;
        case ToneSource::Missing:
            break;
        }
    }
    for (int i = 0; i < n; ++i) {
        if (hasPreset(candidates[i].font, candidates[i].bank, program))
            return fluid_synth_program_select(synth_, channel, candidates[i].font,
                                              candidates[i].bank, program) == FLUID_OK;
    }
    fluid_synth_unset_program(synth_, channel);
    return false;
}

} // namespace vorlo
