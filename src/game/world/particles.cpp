#include "particles.h"

#include <optional>

namespace orrowvale {

namespace {

constexpr char32_t kFirstSyllable = 0xAC00;
constexpr char32_t kLastSyllable = 0xD7A3;
constexpr int kFinalConsonants = 28;
constexpr int kFinalRieul = 8;

// The last code point of a UTF-8 text; empty when the text is empty or its last
// character is not well formed.
std::optional<char32_t> lastCodePoint(const std::string& text) {
    std::size_t start = text.size();
    while (start > 0 && (static_cast<unsigned char>(text[start - 1]) & 0xC0) == 0x80)
        --start;
    if (start == 0) return std::nullopt;
    --start;
    const auto lead = static_cast<unsigned char>(text[start]);
    const std::size_t length = text.size() - start;
    char32_t point = 0;
    if (lead < 0x80 && length == 1) return lead;
    if ((lead & 0xE0) == 0xC0 && length == 2)
        point = lead & 0x1F;
    else if ((lead & 0xF0) == 0xE0 && length == 3)
        point = lead & 0x0F;
    else if ((lead & 0xF8) == 0xF0 && length == 4)
        point = lead & 0x07;
    else
        return std::nullopt;
    for (std::size_t i = start + 1; i < text.size(); ++i)
        point = (point << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
    return point;
}

struct Forms {
    const char* afterConsonant;
    const char* afterVowel;
};

Forms formsOf(Particle particle) {
    switch (particle) {
        case Particle::Subject:
            return {"이", "가"};
        case Particle::Topic:
            return {"은", "는"};
        case Particle::Object:
            return {"을", "를"};
        case Particle::Companion:
            return {"과", "와"};
        case Particle::Direction:
            return {"으로", "로"};
    }
    return {"", ""};
}

}  // namespace

std::string withParticle(const std::string& name, Particle particle,
                         const std::string& undecidedForm) {
    const std::optional<char32_t> last = lastCodePoint(name);
    if (!last || *last < kFirstSyllable || *last > kLastSyllable) return name + undecidedForm;
    const int finalConsonant = static_cast<int>(*last - kFirstSyllable) % kFinalConsonants;
    const Forms forms = formsOf(particle);
    const bool takesVowelForm =
        finalConsonant == 0 || (particle == Particle::Direction && finalConsonant == kFinalRieul);
    return name + (takesVowelForm ? forms.afterVowel : forms.afterConsonant);
}

}  // namespace orrowvale
