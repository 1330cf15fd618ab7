#include "world/particles.h"

#include <gtest/gtest.h>

namespace orrowvale {
namespace {

struct ParticleCase {
    const char* name;
    Particle particle;
    const char* shown;
};

TEST(Particles, FollowTheLastSyllableOfTheName) {
    const ParticleCase cases[] = {
        {"새벽 원정대", Particle::Subject, "새벽 원정대가"},
        {"강산", Particle::Subject, "강산이"},
        {"새벽 원정대", Particle::Topic, "새벽 원정대는"},
        {"매", Particle::Topic, "매는"},
        {"곰", Particle::Topic, "곰은"},
        {"소금", Particle::Object, "소금을"},
        {"비단", Particle::Object, "비단을"},
        {"포도주", Particle::Object, "포도주를"},
        {"골렘", Particle::Companion, "골렘과"},
        {"오우거", Particle::Companion, "오우거와"},
        {"갈대포구", Particle::Direction, "갈대포구로"},
        {"은빛나루", Particle::Direction, "은빛나루로"},
        {"바람언덕", Particle::Direction, "바람언덕으로"},
        // A final ㄹ takes the vowel form of 으로 only.
        {"다솔", Particle::Direction, "다솔로"},
        {"다솔", Particle::Subject, "다솔이"},
        {"다솔", Particle::Companion, "다솔과"},
    };
    for (const ParticleCase& c : cases)
        EXPECT_EQ(withParticle(c.name, c.particle, "(?)"), c.shown) << c.name;
}

TEST(Particles, ANameWithoutAFinalHangulSyllableKeepsTheUndecidedForm) {
    EXPECT_EQ(withParticle("전사3", Particle::Subject, "이(가)"), "전사3이(가)");
    EXPECT_EQ(withParticle("Orc", Particle::Companion, "와(과)"), "Orc와(과)");
    EXPECT_EQ(withParticle("", Particle::Direction, "으로"), "으로");
    // A name cut in the middle of a character is not read past its start.
    EXPECT_EQ(withParticle(std::string("곰\xEA\xB0"), Particle::Topic, "은"),
              std::string("곰\xEA\xB0") + "은");
}

}  // namespace
}  // namespace orrowvale
