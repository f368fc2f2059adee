#include "QuizState.h"

std::int32_t QuestionCount = 5;
