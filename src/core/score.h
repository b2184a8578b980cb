#pragma once
// The score of the running field: the base score, the hits taken and the
// field's total with its item score and no-hit bonus.
#include <cstdint>

constexpr int kFieldCount = 5;
extern int32_t BaseScore;
extern int32_t HitsTakenCount;   // hits the player took in this field

// The no-hit bonus of a field: 0 after any hit, else 50000 on the grass,
// 100000 in the canyon, 150000 in the cave; -1 for an unknown field.
int32_t NoHitBonus(int32_t fieldId, int32_t hitsTaken);
// Points of the items picked up in this field.
int32_t ItemScore();
// BaseScore + the item score + the no-hit bonus, held within 32 bits.
int32_t FieldTotal(int32_t bonus);

int32_t GetBaseScore();
void SetBaseScore(int32_t value);
int32_t GetCurrentField();
