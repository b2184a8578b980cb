// Creation and release of every texture and sound.
#include "app/game.h"
#include "core/bullet.h"
#include "core/common_textures.h"
#include "core/effects.h"
#include "core/fade.h"
#include "core/high_score.h"
#include "core/item.h"
#include "core/player.h"
#include "core/result.h"
#include "core/sound.h"
#include "enemy/enemy_gauge.h"
#include "enemy/enemy_textures.h"
#include "platform/system.h"
#include "species/cave/enemy_child.h"

namespace {

bool Fail(const char* message) {
    ShowErrorMessage(message);
    return false;
}

}  // namespace

bool Game::CreateAssets() {
    if (!LoadCommonTextures()) return Fail("汎用テクスチャの作成に失敗");
    titleMenu.texture = LoadTexture("Texture/Title/title.png", 1280, 784, 0);
    if (titleMenu.texture == nullptr) return Fail("タイトルの作成に失敗");
    creditsTexture = LoadTexture("Texture/Credits/credits.png", 1280, 720, 0);
    if (creditsTexture == nullptr) return Fail("クレジットの作成に失敗");
    ending.background = FieldBackgroundTextures[0];
    ending.captionSheet = LoadTexture("Texture/Ending/Ending_text.png", 1280, 1152, 0);
    if (ending.captionSheet == nullptr) return Fail("エンディングの作成に失敗");
    if (!userInterface.LoadTextures()) return Fail("ユーザーインターフェースの作成に失敗");
    if (!LoadEnemyTextures()) return Fail("エネミーの作成に失敗");
    ElementChildTexture = LoadTexture("Texture/Character/element_child.png", 64, 128, kKeyGreen);
    if (ElementChildTexture == nullptr) return Fail("エネミー(子)の作成に失敗");
    if (!LoadBulletTextures()) return Fail("弾の作成に失敗");
    if (!LoadEffectTextures()) return Fail("エフェクトの作成に失敗");
    if (!fieldMap.LoadTextures()) return Fail("フィールドマップの作成に失敗");
    BlackoutTexture = LoadTexture("Texture/Fade/blackout.png", 1280, 720, 0);
    WhiteoutTexture = LoadTexture("Texture/Fade/whiteout.png", 1280, 720, 0);
    if (BlackoutTexture == nullptr || WhiteoutTexture == nullptr) return Fail("暗転用テクスチャの作成に失敗");
    if (!LoadResultTextures()) return Fail("リザルト画面用テクスチャ作成に失敗");
    if (!LoadPlayerTextures()) return Fail("プレイヤーの作成に失敗");
    StatusGaugeTexture = LoadTexture("Texture/Character/StatusSet2.png", 512, 160, kKeyGreen);
    if (StatusGaugeTexture == nullptr) return Fail("体力表示の作成に失敗");
    if (!LoadBonusAndHighScores()) return Fail("スコアの作成に失敗");
    if (!LoadSounds()) return Fail("サウンドの作成に失敗");

    // The starting stats become the level-1 contribution of the player.
    StatusBlock& base = ThePlayer.statusParts[0];
    const StatusBlock& now = ThePlayer.status;
    base.maxHp = now.maxHp;
    base.maxSp = now.maxSp;
    base.attack = now.attack;
    base.attack2 = now.attack2;
    base.defense = now.defense;
    base.defense2 = now.defense2;
    base.speed = now.speed;
    return true;
}

void Game::ReleaseAssets() {
    ReleaseTexture(BonusTextTexture);
    ReleaseTexture(StatusGaugeTexture);
    ReleaseTexture(ResultTexture);
    ReleaseTexture(ResultNumberTexture);
    ReleaseSounds();
    ReleaseTexture(WhiteoutTexture);
    ReleaseTexture(BlackoutTexture);
    fieldMap.ReleaseTextures();
    ClearItems();
    ReleaseEffectTextures();
    ReleaseBullets();
    ReleaseEnemyChildren();
    ReleaseEnemies();
    ReleasePlayerTextures();
    userInterface.Release();
    ReleaseTexture(ending.captionSheet);
    ReleaseTexture(creditsTexture);
    ReleaseTexture(titleMenu.texture);
    ReleaseCommonTextures();
}
