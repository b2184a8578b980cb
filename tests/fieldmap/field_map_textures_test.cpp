#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "fieldmap/field_map_scene.h"
#include "platform/graphics.h"
#include "support/resource_dir.h"
#include "support/test_png.h"

namespace {

// With only the first five sheets on disk the load stops at the sixth, and the
// release frees exactly the five that were created.
TEST(FieldMapTextures, LoadStopsAtTheFirstMissingSheetAndReleaseFreesOnlyWhatWasCreated) {
    testsupport::CreateHeadlessGraphics();
    TempFolder folder;
    const char* present[] = {"worldmap_day.png", "worldmap_night.png", "arrow.png", "time.png", "time_text.png"};
    std::filesystem::create_directories(folder.File("Texture/FieldMap"));
    for (const char* name : present) {
        WriteRgbPng(folder.File((std::string("Texture/FieldMap/") + name).c_str()), 2, 2,
                    std::vector<uint32_t>(4, 0xFF336699u), false);
    }
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(folder.File(""));
    const int liveBefore = Texture::LiveCount();

    FieldMapScene scene;
    EXPECT_FALSE(scene.LoadTextures());
    std::filesystem::current_path(previous);
    EXPECT_EQ(Texture::LiveCount(), liveBefore + 5);
    ASSERT_NE(scene.timeTextTexture, nullptr);
    EXPECT_EQ(scene.worldMapNightTexture->Width(), 1280);
    EXPECT_EQ(scene.worldMapNightTexture->Height(), 720);
    EXPECT_EQ(scene.timeTextTexture->Width(), 1280);
    EXPECT_EQ(scene.timeTextTexture->Height(), 512);
    EXPECT_EQ(scene.difficultyIconTexture, nullptr);
    EXPECT_EQ(scene.cloudTexture, nullptr);

    scene.ReleaseTextures();
    EXPECT_EQ(Texture::LiveCount(), liveBefore);
    EXPECT_EQ(scene.worldMapDayTexture, nullptr);
    EXPECT_EQ(scene.timeTextTexture, nullptr);
    testsupport::ReleaseHeadlessGraphics();
}

}  // namespace
