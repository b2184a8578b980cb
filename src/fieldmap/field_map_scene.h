#pragma once
// The world map between fields: locations, time and difficulty rings, the main
// menu, the status board, the equip board with its choice list, and the shop.
#include <cstdint>

#include "core/object_base.h"
#include "platform/matrix.h"

class Texture;

// The modes of the map.
enum FieldMapMode : int32_t {
    kMapLocationSelect = 1,
    kMapTimeRing = 2,
    kMapDifficultyRing = 3,
    kMapMainMenu = 4,
    kMapStatusBoard = 5,
    kMapEquipBoard = 6,
    kMapEquipChoice = 7,
    kMapShop = 8,
    kMapBuyConfirm = 9,
    kMapEntering = 10,
};

// Grass plain, canyon, cave.
constexpr int kMapLocationCount = 3;
extern const Vec3 kMapLocations[kMapLocationCount];

// Highlight y of the equip-board rows 1..6.
extern const float kEquipRowY[6];

class FieldMapScene {
public:
    FieldMapScene();

    // One frame of the map. 0 while the player stays; on the frame the entry
    // fade reaches its black midpoint, Difficulty is set and the field id 1..5
    // is returned.
    int32_t Update();
    // Hands the stats of the item just equipped on equip-board row 1..6
    // (record choiceIndex of the row's table) to the player.
    void ApplyEquipment(int32_t row);

    void Draw();
    void DrawCloudCover();
    // A stat's label and its value as two signed digits.
    void DrawStatLine(int32_t value, int32_t statIndex, Vec3 position);
    // One numbered element of the scene; unknown ids draw nothing.
    void DrawPart(int32_t partId, Vec3 position);
    // The shop-list row sprite at boardPosition + (112, 112 row + 130).
    void DrawBoardRowSprite(const Texture* texture, const Rect& source, int32_t row);
    // A sprite at boardPosition + offset.
    void DrawBoardSprite(const Texture* texture, const Rect& source, Vec3 offset);
    // A shop price as six money digits, with the owned and too-dear overlays.
    void DrawPrice(int32_t price, int32_t row, int32_t owned);

    // Creates the scene's 22 textures in order; false at the first that fails.
    bool LoadTextures();
    // Releases the textures that were created, the cloud sheet first.
    void ReleaseTextures();

    // Whether record `index` of equip row `row`'s table may be offered in the
    // equip choice.
    bool IsEligible(int32_t row, int32_t index) const;
    // The next eligible index from `from` (exclusive) in direction step (+1/-1), or -1.
    int32_t NextEligible(int32_t row, int32_t from, int32_t step) const;

    Texture* cloudTexture = nullptr;
    int32_t canyonCloudTimer = 180;  // frames of cloud lift left over the canyon
    int32_t caveCloudTimer = 180;    // frames of cloud lift left over the cave
    Texture* worldMapDayTexture = nullptr;
    Texture* worldMapNightTexture = nullptr;
    Texture* arrowTexture = nullptr;
    Texture* timeTexture = nullptr;
    Texture* timeTextTexture = nullptr;
    Texture* difficultyIconTexture = nullptr;
    Texture* textBoxTexture = nullptr;
    Texture* fieldBalloonTexture = nullptr;
    Texture* fieldTextTexture = nullptr;
    Texture* difficultyTextTexture = nullptr;
    Texture* statusBoardTexture = nullptr;
    Texture* publicStatusTextTexture = nullptr;
    Texture* menuTexture = nullptr;
    Texture* shopBoardTexture = nullptr;
    Texture* equipBoardTexture = nullptr;
    Texture* knightsEquipmentNameTexture = nullptr;
    Texture* knightsEquipmentTextTexture = nullptr;
    Texture* accessoryNameTexture = nullptr;
    Texture* accessoryTextTexture = nullptr;
    Texture* shotStyleNameTexture = nullptr;
    Texture* shotStyleTextTexture = nullptr;
    int32_t inputLatch = 0;       // 1 blocks all input until the devices are idle
    int32_t locationCursor = 0;   // 0 grass plain, 1 canyon, 2 cave
    int32_t mode = kMapLocationSelect;
    int32_t selectedField = 1;    // location 1..3 of the last confirm; the field id 1..5 once entered
    Vec3 arrowFrom;
    Vec3 arrowTo;
    int32_t cooldown = 0;         // frames left of the running animation; input only at 0
    int32_t animationId = 0;      // what the cooldown animates
    Vec3 arrowPosition{213.0f, 300.0f, 0.0f};
    int32_t arrowBobCounter = 0;  // 0..120
    int32_t timeOfDay = 1;        // 1 day, 2 night
    Vec3 timeIconPositions[2];
    float timeIconAngles[2] = {90.0f, 270.0f};
    int32_t timeRingAlpha = 0;
    int32_t difficultyChoice = 1;
    Vec3 difficultyIconPositions[3];
    float difficultyIconAngles[3] = {-90.0f, 30.0f, 150.0f};
    int32_t difficultyRingAlpha = 0;
    Vec3 boardPosition{-5.0f, -725.0f, 0.0f};
    Vec3 highlightPosition{64.0f, -626.0f, 0.0f};
    int32_t statusRow = 1;        // 1..9: level, max HP, max SP, attack, defense, attack2, defense2, money, experience
    // The status mirror, written by the game every frame before Update.
    StatusBlock playerStatus;
    int32_t playerMoney = 0;
    int32_t playerExperience = 0;
    int32_t playerNextExperience = 0;
    int32_t spriteFrameCounter = 0;  // 0..19
    int32_t pulseCounter = 0;        // 0..120
    int32_t menuRow = 1;             // 1 status board, 2 equipment, 3 shop
    int32_t shopRow = 0;             // catalogue index of the shop cursor
    int32_t shopCursorSlot = 0;      // screen slot 0..4 of the shop cursor
    int32_t boardRow = 1;            // equip row 1..6 (modes 6, 7); shop tab 1..4 (modes 8, 9); -1 after the shop
    int32_t choiceSlot = -1;         // equip row being changed in mode 7, else -1
    int32_t choiceIndex = 0;         // catalogue index offered in mode 7, -1 when none
    int32_t buyChoice = 1;           // 1 yes, 0 no
    int32_t swingCounter = 0;        // 0..119

private:
    void RunHorizontal(bool left);
    void RunVertical(bool down);
    void RunConfirm();
    void RunCancel();
    void ChangeShopTab(int32_t step);
    void StepAnimation(int32_t cd);
    void PlaceTimeIcons(float radius);
    void PlaceDifficultyIcons(float radius);
    void StartAnimation(int32_t id, int32_t frames);
    void ReturnToEquipBoard();

    void DrawStatusNumbers();
    void DrawEquipBoardNames();
    void DrawChoiceComparison();
    void DrawChoicePanel();
    void DrawShopTab(int32_t partId);
    void DrawShopList(int32_t tab);
    void DrawItemStatLines(int32_t table, int32_t index, bool shop);
};
