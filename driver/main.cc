// driver/main.cc - entry point of velmaric.

int main() { return 0; }
