// Until the window arrives, the program shows what the divination core computes for today.
#include <iostream>

#include "core/COleDateTime.h"

int main() {
    const COleDateTime today = COleDateTime::GetCurrentTime();
    std::cout << "morvint " << today.GetYear() << '-' << today.GetMonth() << '-' << today.GetDay() << '\n';
    return 0;
}
