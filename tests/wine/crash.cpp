// A program that crashes by writing through a null pointer: the runners' test of how a crash ends.
int main()
{
    // Volatile both ways, so that the compiler neither drops the write nor turns it into a trap of its own.
    volatile int* volatile target = nullptr;
    *target = 1;
    return 0;
}
