#include "app/start_up.h"

int main()
{
    return ftq::startUp();
}
