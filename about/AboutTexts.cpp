#include "about/AboutTexts.h"

const char kCaptionBlock[] = "Mendo\nверсия " MENDO_VERSION "\nвикторина в три нива";
const char kRules[] =
    "Имате 25 въпроса. \nБутонът \"-10\" премахва 1 грешен отговор и 10 точки от актива Ви.\n"
    " Бутонът \"-50\" Ви посочва верният отговор срещу 50 т.";
const char kThanks[] = "За направата на тази игра искам да благодаря на мене, щото съм си аз!!!";
const char kWebAddress[] = "http://mendo.test";
const char kMailAddress[] = "hi@mendo.test";
const char kMailTo[] = "mailto:";
