[Windows]
0=513
