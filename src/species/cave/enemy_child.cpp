#include "species/cave/enemy_child.h"

EnemyChild::EnemyChild() { status = StatusBlock{}; }
