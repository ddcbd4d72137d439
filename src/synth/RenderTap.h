#pragma once

namespace vorlo {

// Hears every block of sound the synthesizer renders, on the thread that renders it (the audio
// driver's). An implementation never blocks, locks or allocates.
class RenderTap {
public:
    virtual ~RenderTap() = default;
    virtual void rendered(const float* left, const float* right, int frames) = 0;
};

} // namespace vorlo
