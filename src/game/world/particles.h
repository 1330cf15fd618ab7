#pragma once

#include <string>

namespace orrowvale {

// The Korean particles a message puts after a name. Each has one form after a
// syllable with a final consonant and one after a syllable without.
enum class Particle {
    Subject,    // 이 / 가
    Topic,      // 은 / 는
    Object,     // 을 / 를
    Companion,  // 과 / 와
    Direction,  // 으로 / 로 (a final ㄹ takes 로)
};

// `name` followed by the form of `particle` its last syllable takes. A name that
// does not end in a Hangul syllable (a digit, a Latin letter, nothing) gets
// `undecidedForm`, the form the message shows when the sound is unknown, such as
// "이(가)".
std::string withParticle(const std::string& name, Particle particle,
                         const std::string& undecidedForm);

}  // namespace orrowvale
