#include <cstdio>

int main() {
    std::puts("Kelvane: the main window is not built yet; run the test command instead.");
    return 0;
}
