// i__view32.exe: the stand-in image converter.
#include <cstdio>
int main() {
    std::fputs("i__view32.exe: no operation\n", stderr);
    return 2;
}
