// The smallest console program: the size floor for this toolchain and flags.
int main() { return 0; }
