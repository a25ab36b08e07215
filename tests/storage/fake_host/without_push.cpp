// A library by the host library's name that lacks QDL_SaveArmspecs.
extern "C" int QDL_SomethingElse() {
    return 0;
}
