// The two carried sounds: RIFF wave images in the format the sound player
// is given, of about the stated lengths, audible, and ending quietly.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "resources/resources.h"
#include "resources/wave_format.h"

namespace {

struct SoundRow {
    int id;
    double seconds;
};

constexpr SoundRow SOUND_ROWS[] = {{121, 0.18}, {122, 0.11}};

}  // namespace

TEST(CarriedSounds, EachIsPcm8BitStereo22050HzOfItsLength) {
    for (const SoundRow& row : SOUND_ROWS) {
        SCOPED_TRACE("WAVE " + std::to_string(row.id));
        const std::span<const std::uint8_t> stored = findResource("WAVE", row.id);
        ASSERT_GT(stored.size(), 4u);
        const std::vector<std::uint8_t> image = decompressResource(stored);
        ASSERT_EQ(image.size(), stored[0] | stored[1] << 8 | stored[2] << 16 | std::size_t(stored[3]) << 24);
        WaveFormat wave;
        ASSERT_TRUE(parseWave(image, wave));
        EXPECT_EQ(wave.formatTag, 1);
        EXPECT_EQ(wave.channels, 2);
        EXPECT_EQ(wave.sampleRate, 22050u);
        EXPECT_EQ(wave.bitsPerSample, 8);
        EXPECT_EQ(wave.blockAlign, 2);
        EXPECT_EQ(wave.byteRate, 44100u);
        EXPECT_EQ(wave.samples.size() % 2, 0u);
        EXPECT_NEAR(wave.seconds(), row.seconds, 0.015);
        // RIFF size covers the rest of the image.
        EXPECT_EQ(image[4] | image[5] << 8 | image[6] << 16 | std::size_t(image[7]) << 24, image.size() - 8);

        int loudest = 0;
        for (std::uint8_t s : wave.samples) loudest = std::max(loudest, std::abs(int(s) - 128));
        EXPECT_GT(loudest, 60) << "the sound is audible";
        const std::size_t n = wave.samples.size();
        for (std::size_t i = n - 8; i < n; ++i) {
            EXPECT_LE(std::abs(int(wave.samples[i]) - 128), 2) << "the sound ends without a click";
        }
    }
}
