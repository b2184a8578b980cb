// The enemy sheets (green key). Each species draws its cells from these:
// small flyers a 64 x 64 strip of ten frames in the top row of the normal
// sheets, the cocoons the cell under its first frame; the middle and big
// flyers a 256 x 256 strip in the top row of the boss sheets, the ground
// bosses the strip under it; the canyon's mushrooms and rafflesias single
// cells, its mid-bosses a 256 x 128 strip under the big rafflesia; the cave's
// gem, floor crystals and stone. Cells the game does not cut stay key colour.
#include "assetgen/manifest.h"
#include "assetgen/sheets_enemies_art.h"

namespace assetgen {

namespace {

using CreatureFrame = void (*)(Canvas&, float, float, int);

// Ten animation frames of a creature along a row of cells.
void Strip(Canvas& c, CreatureFrame draw, int x, int y, int w, int h) {
    for (int f = 0; f < 10; ++f) {
        c.SetClip({x + w * f, y, x + w * (f + 1), y + h});
        draw(c, x + w * f + w / 2.0f, y + h / 2.0f, f);
    }
    c.ClearClip();
}

// Runs a painter in the hard-edged mode: the sheets are keyed.
TextureSpec Sheet(const char* file, int w, int h, std::function<void(Canvas&)> paint) {
    return MakeSheet(std::string("Texture/Character/") + file, w, h, kKeyGreen,
                     [paint](Canvas& c, const TextureSpec&) {
                         c.SetAntialias(false);
                         paint(c);
                     });
}

TextureSpec GrassNormal(const char* file, const char* flyer, const char* cocoon, CreatureFrame draw, bool night) {
    TextureSpec t = Sheet(file, 640, 128, [draw, night](Canvas& c) {
        Strip(c, draw, 0, 0, 64, 64);
        c.SetClip({0, 64, 64, 128});
        creature::Cocoon(c, 32, 96, night);
    });
    AddCellRow(t, std::string(flyer) + "_", 0, 0, 64, 64, 10);
    t.cells.push_back({cocoon, 0, 64, 64, 128});
    return t;
}

TextureSpec GrassBoss(const char* file, const char* flyer, const char* walker, CreatureFrame fly, CreatureFrame walk) {
    TextureSpec t = Sheet(file, 2560, 512, [fly, walk](Canvas& c) {
        Strip(c, fly, 0, 0, 256, 256);
        Strip(c, walk, 0, 256, 256, 256);
    });
    // The middle flyer of the field draws the same strip as the big one.
    AddCellRow(t, std::string(flyer) + "_", 0, 0, 256, 256, 10);
    AddCellRow(t, std::string(walker) + "_", 0, 256, 256, 256, 10);
    return t;
}

TextureSpec CanyonNormal(const char* file, const char* mushroom, const char* rafflesia, bool night) {
    TextureSpec t = Sheet(file, 128, 192, [night](Canvas& c) {
        c.SetClip({0, 0, 64, 64});
        creature::Mushroom(c, 32, 32, night);
        c.SetClip({0, 64, 128, 192});
        creature::Rafflesia(c, 64, 128, 62, night, false);
    });
    t.cells = {{mushroom, 0, 0, 64, 64}, {rafflesia, 0, 64, 128, 192}};
    return t;
}

TextureSpec CanyonBoss(const char* file, const char* boss, const char* flyer, CreatureFrame fly, bool night) {
    TextureSpec t = Sheet(file, 2560, 384, [fly, night](Canvas& c) {
        c.SetClip({0, 0, 256, 256});
        creature::Rafflesia(c, 128, 128, 124, night, true);
        Strip(c, fly, 0, 256, 256, 128);
    });
    t.cells.push_back({boss, 0, 0, 256, 256});
    AddCellRow(t, std::string(flyer) + "_", 0, 256, 256, 128, 10);
    return t;
}

}  // namespace

void RegisterEnemySheets(std::vector<TextureSpec>& out) {
    using namespace creature;
    out.push_back(GrassNormal("enemy_normal_grass_day.png", "butterfly", "daycocoon", SmallButterfly, false));
    out.push_back(GrassBoss("enemy_boss_grass_day.png", "bigbutterfly", "scorpion", BigButterfly, Scorpion));
    out.push_back(GrassNormal("enemy_normal_grass_night.png", "moth", "nightcocoon", SmallMoth, true));
    out.push_back(GrassBoss("enemy_boss_grass_night.png", "bigmoth", "spider", BigMoth, Spider));
    out.push_back(CanyonNormal("enemy_normal_canyon_day.png", "daymushroom", "dayrafflesia", false));
    out.push_back(CanyonBoss("enemy_boss_canyon_day.png", "bigdayrafflesia", "eagle", Eagle, false));
    out.push_back(CanyonNormal("enemy_normal_canyon_night.png", "nightmushroom", "nightrafflesia", true));
    out.push_back(CanyonBoss("enemy_boss_canyon_night.png", "bignightrafflesia", "bat", Bat, true));

    // The cave: the gem of Element and BigElement (drawn about (32, 28)),
    // then the four looks of the floor crystal (drawn about (64, 32)).
    TextureSpec cave = Sheet("enemy_normal_cave.png", 128, 320, [](Canvas& c) {
        c.SetClip({0, 0, 64, 64});
        Element(c, 32, 28);
        for (int k = 0; k < 4; ++k) {
            c.SetClip({0, 64 + 64 * k, 128, 128 + 64 * k});
            FloorCrystal(c, 64, 96.0f + 64 * k, k);
        }
    });
    cave.cells.push_back({"element", 0, 0, 64, 64});
    AddCellColumn(cave, "floorcrystal_", 0, 64, 128, 64, 4);
    out.push_back(cave);

    // The whole sheet is the stone, for MagicStone and GrandMagicStone alike.
    TextureSpec stone = Sheet("enemy_boss_cave.png", 128, 256, [](Canvas& c) { MagicStone(c, 64, 128); });
    stone.cells.push_back({"magicstone", 0, 0, 128, 256});
    out.push_back(stone);
}

}  // namespace assetgen
