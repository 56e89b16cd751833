#include "views/ZoomSteps.h"

#include <algorithm>

int ZoomInStep(int percent)
{
    for (int step : kZoomSteps)
        if (step > percent)
            return step;
    return kZoomSteps.back();
}

int ZoomOutStep(int percent)
{
    for (auto it = kZoomSteps.rbegin(); it != kZoomSteps.rend(); ++it)
        if (*it < percent)
            return *it;
    return kZoomSteps.front();
}

int FittedZoomPercent(int pictureWidth, int pictureHeight, int clientWidth, int clientHeight)
{
    if (pictureWidth <= 0 || pictureHeight <= 0 || clientWidth <= 0 || clientHeight <= 0)
        return 100;
    // Whole percents, rounded down: the step up from a fitted 99.6 % is 100 %.
    const long long across = 100LL * clientWidth / pictureWidth;
    const long long down = 100LL * clientHeight / pictureHeight;
    return int(std::max(1LL, std::min(across, down)));
}
