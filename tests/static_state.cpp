// What the footprint check must find in the plug-in's objects and refuse: a variable that a constructor
// fills when the library loads, and a thread-local one. Built only to be checked, never linked.
int NextValue();

int StaticValue = NextValue();
thread_local int ThreadValue = 1;

int ReadThreadValue()
{
    return ThreadValue;
}
