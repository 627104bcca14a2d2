#include <cstdio>

int main() {
    std::puts("Morvalent 08.02.10 버전");
    return 0;
}
