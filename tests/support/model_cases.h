// The models' worked examples and edge cases: each a change to the reference
// vector, the value published to six significant digits, and the exact double
// that the model's order of evaluation gives (checked against those digits).
// Shared by the native suite and the Windows test host.
#ifndef TESTS_MODEL_CASES_H
#define TESTS_MODEL_CASES_H

#include <vector>

#include "reference_vectors.h"

namespace dur::test {

struct ModelCase {
    const char* export_name;
    const char* name;
    std::vector<Change> changes;  // to the reference vector
    double published;             // six significant digits
    double exact;
};

inline const ModelCase model_cases[] = {
    // Mirkast_xCl
    {"Mirkast_xCl", "worked example",                    {}, 42.8324, 0x1.56a8d0ab7e2b5p+5},
    {"Mirkast_xCl", "no exposure time",                  {{2, 0.0}}, 0.0, 0.0},
    {"Mirkast_xCl", "no cement",                         {{8, 0.0}}, 237.786, 0x1.db923008b171bp+7},
    {"Mirkast_xCl", "no aggregate",                      {{9, 0.0}, {10, 0.0}, {11, 0.0}}, 80.186, 0x1.40be7ff3ff1eep+6},
    {"Mirkast_xCl", "no specific gravities",             {{12, 0.0}, {13, 0.0}, {14, 0.0}, {15, 0.0}}, 0.0, 0.0},
    {"Mirkast_xCl", "no water",                          {{7, 0.0}}, 0.0, 0.0},
    {"Mirkast_xCl", "negative-zero water",               {{7, -0.0}}, 0.0, 0.0},
    {"Mirkast_xCl", "negative water",                    {{7, -175.0}}, 0.0, 0.0},
    {"Mirkast_xCl", "no saturation concentration",       {{4, 0.0}}, 1.35448e7, 0x1.9d5ac6d563688p+23},
    {"Mirkast_xCl", "no free diffusivity",               {{6, 0.0}}, 0.0, 0.0},
    {"Mirkast_xCl", "r exactly 0.85",                    {{12, 1000.0}, {7, 340.0}, {8, 400.0}}, 0.0, 0.0},
    {"Mirkast_xCl", "p exactly zero",                    {{12, 1000.0}, {7, -400.0}, {8, 400.0}}, 0.0, -0.0},
    {"Mirkast_xCl", "negative result factor",            {{16, -1.0}}, -42.8324, -0x1.56a8d0ab7e2b5p+5},
    {"Mirkast_xCl", "NaN surface concentration",         {{3, nan}}, nan, nan},
    {"Mirkast_xCl", "unread positions negative or NaN",  {{1, -1.0}, {5, nan}}, 42.8324, 0x1.56a8d0ab7e2b5p+5},
    {"Mirkast_xCl", "several negatives",                 {{1, -1.0}, {2, -1.0}, {3, -1.0}, {8, -1.0}, {15, -1.0}}, 16.3051, 0x1.04e1c7222473dp+4},

    // Mirkast_ti
    {"Mirkast_ti", "worked example",                    {}, 38.3254, 0x1.329a7f41d2ecbp+5},
    {"Mirkast_ti", "threshold equal to surface",        {{5, 3.0}}, 6.13207e6, 0x1.76459857d9cb9p+22},
    {"Mirkast_ti", "no threshold",                      {{5, 0.0}}, 24.5283, 0x1.8873d616d08b3p+4},
    {"Mirkast_ti", "threshold above surface",           {{5, 6.0}}, 24.5283, 0x1.8873d616d08b3p+4},
    {"Mirkast_ti", "no surface concentration",          {{3, 0.0}}, 2.04402e-8, 0x1.5f291922af968p-26},
    {"Mirkast_ti", "no surface nor threshold",          {{3, 0.0}, {5, 0.0}}, 7.35848e11, 0x1.56a7f7596e303p+39},
    {"Mirkast_ti", "no free diffusivity",               {{6, 0.0}}, 7.43198e9, 0x1.bafb0da031e01p+32},
    {"Mirkast_ti", "no saturation concentration",       {{4, 0.0}}, 0.0, 0.0},
    {"Mirkast_ti", "no cover",                          {{1, 0.0}}, 0.0, 0.0},
    {"Mirkast_ti", "cover 60",                          {{1, 60.0}}, 153.302, 0x1.329a7f41d2ecbp+7},
    {"Mirkast_ti", "negative cover",                    {{1, -5.0}}, 1.0646, 0x1.108954ac49b60p+0},
    {"Mirkast_ti", "unread negative time",              {{2, -7.0}}, 38.3254, 0x1.329a7f41d2ecbp+5},
    {"Mirkast_ti", "no water",                          {{7, 0.0}}, -2.96071, -0x1.7af86403d73a5p+1},
    {"Mirkast_ti", "negative water",                    {{7, -175.0}}, -0.0332428, -0x1.10534d07d5174p-5},
    {"Mirkast_ti", "no specific gravities",             {{12, 0.0}, {13, 0.0}, {14, 0.0}, {15, 0.0}}, -0.39743, -0x1.96f7e13275ec4p-2},
    {"Mirkast_ti", "no aggregate",                      {{9, 0.0}, {10, 0.0}, {11, 0.0}}, 10.9354, 0x1.5deee0798c41dp+3},
    {"Mirkast_ti", "no cement",                         {{8, 0.0}}, 1.24355, 0x1.3e5901657bcefp+0},
    {"Mirkast_ti", "result factor 2",                   {{16, 2.0}}, 76.6509, 0x1.329a7f41d2ecbp+6},
    {"Mirkast_ti", "negative result factor",            {{16, -1.0}}, -38.3254, -0x1.329a7f41d2ecbp+5},
    {"Mirkast_ti", "several negatives",                 {{1, -1.0}, {2, -1.0}, {3, -1.0}, {8, -1.0}, {15, -1.0}}, -0.0014693, -0x1.812b63824d49ep-10},
    {"Mirkast_ti", "NaN surface concentration",         {{3, nan}}, nan, nan},

    // dorvela_xc
    {"dorvela_xc", "worked example",                    {}, 0.0755134, 0x1.354d85d7165b2p-4},
    {"dorvela_xc", "result factor 2",                   {{14, 2.0}}, 0.151027, 0x1.354d85d7165b2p-3},
    {"dorvela_xc", "RH above 100",                      {{4, 120.0}}, 0.0, 0.0},
    {"dorvela_xc", "RH exactly 100",                    {{4, 100.0}}, 0.0, 0.0},
    {"dorvela_xc", "RH NaN",                            {{4, nan}}, 0.215753, 0x1.b9dc760eb2391p-3},
    {"dorvela_xc", "RH 5",                              {{4, 5.0}}, 0.204965, 0x1.a3c4a35ac2e97p-3},
    {"dorvela_xc", "no aggregate",                      {{7, 0.0}, {8, 0.0}, {9, 0.0}}, 0.0469879, 0x1.80ecd5bd347b3p-5},
    {"dorvela_xc", "w/c below 0.3",                     {{6, 80.0}}, -0.0376906, -0x1.34c2e1f6b93bfp-5},
    {"dorvela_xc", "w/c exactly 0.3",                   {{6, 105.0}}, 0.0, 0.0},
    {"dorvela_xc", "no cement",                         {{5, 0.0}}, 5322.44, 0x1.4ca709f150f7fp+12},
    {"dorvela_xc", "negative-zero cement",              {{5, -0.0}}, 5322.44, 0x1.4ca709f150f7fp+12},
    {"dorvela_xc", "negative CO2",                      {{3, -0.01}}, 0.0, 0.0},
    {"dorvela_xc", "no time",                           {{2, 0.0}}, 0.0, 0.0},
    {"dorvela_xc", "infinite water",                    {{6, inf}}, nan, nan},
    {"dorvela_xc", "negative cover",                    {{1, -1.0}}, 0.0755134, 0x1.354d85d7165b2p-4},

    // dorvela_ti
    {"dorvela_ti", "worked example",                    {}, 7.89159, 0x1.f90fd92c9dd96p+2},
    {"dorvela_ti", "result factor 2",                   {{14, 2.0}}, 15.7832, 0x1.f90fd92c9dd96p+3},
    {"dorvela_ti", "RH above 100",                      {{4, 120.0}}, 7.08865e15, 0x1.92f169ffcc2ccp+52},
    {"dorvela_ti", "RH exactly 100",                    {{4, 100.0}}, 7.08865e15, 0x1.92f169ffcc2ccp+52},
    {"dorvela_ti", "RH 5",                              {{4, 5.0}}, 1.07116, 0x1.1237687028511p+0},
    {"dorvela_ti", "RH NaN",                            {{4, nan}}, 0.96672, 0x1.eef5ee6e48c5bp-1},
    {"dorvela_ti", "no CO2",                            {{3, 0.0}}, 1.00194, 0x1.007f709f51bacp+0},
    {"dorvela_ti", "w/c below 0.3",                     {{6, 80.0}}, 31.6772, 0x1.fad5cffbafa58p+4},
    {"dorvela_ti", "w/c exactly 0.3",                   {{6, 105.0}}, 7.83043e15, 0x1.bd1bb168622c0p+52},
    {"dorvela_ti", "no aggregate",                      {{7, 0.0}, {8, 0.0}, {9, 0.0}}, 20.3817, 0x1.461b56775b35ap+4},
    {"dorvela_ti", "no cover",                          {{1, 0.0}}, 0.0, 0.0},
    {"dorvela_ti", "infinite water without CO2",        {{6, inf}, {3, 0.0}}, 9e14, 0x1.9945ca2620000p+49},
    {"dorvela_ti", "negative time",                     {{2, -1.0}}, 7.89159, 0x1.f90fd92c9dd96p+2},

    // dorvelb_xc
    {"dorvelb_xc", "worked example",                    {}, 0.0977888, 0x1.908afa695f59ep-4},
    {"dorvelb_xc", "result factor 2",                   {{14, 2.0}}, 0.195578, 0x1.908afa695f59ep-3},
    {"dorvelb_xc", "RH above 100",                      {{4, 120.0}}, 0.0, 0.0},
    {"dorvelb_xc", "RH exactly 100",                    {{4, 100.0}}, 0.0, 0.0},
    {"dorvelb_xc", "RH 5",                              {{4, 5.0}}, 0.0, 0.0},
    {"dorvelb_xc", "RH NaN",                            {{4, nan}}, 0.0, 0.0},
    {"dorvelb_xc", "no aggregate",                      {{7, 0.0}, {8, 0.0}, {9, 0.0}}, 0.0608487, 0x1.f279051852ef1p-5},
    {"dorvelb_xc", "w/c below 0.3",                     {{6, 80.0}}, -0.0488088, -0x1.8fd770ec0566bp-5},
    {"dorvelb_xc", "w/c exactly 0.3",                   {{6, 105.0}}, 0.0, 0.0},
    {"dorvelb_xc", "no cement",                         {{5, 0.0}}, 6892.49, 0x1.aec7c76265302p+12},
    {"dorvelb_xc", "negative cover",                    {{1, -1.0}}, 0.0977888, 0x1.908afa695f59ep-4},

    // dorvelb_ti
    {"dorvelb_ti", "worked example",                    {}, 4.70581, 0x1.2d2bfcdde95e4p+2},
    {"dorvelb_ti", "result factor 2",                   {{14, 2.0}}, 9.41162, 0x1.2d2bfcdde95e4p+3},
    {"dorvelb_ti", "RH above 100",                      {{4, 120.0}}, 7.08865e15, 0x1.92f169ffcc2ccp+52},
    {"dorvelb_ti", "RH 5",                              {{4, 5.0}}, 7.08865e15, 0x1.92f169ffcc2ccp+52},
    {"dorvelb_ti", "RH NaN",                            {{4, nan}}, 7.08865e15, 0x1.92f169ffcc2ccp+52},
    {"dorvelb_ti", "no CO2",                            {{3, 0.0}}, 0.597466, 0x1.31e71b073c0a9p-1},
    {"dorvelb_ti", "w/c below 0.3",                     {{6, 80.0}}, 18.8893, 0x1.2e3ab08adaf35p+4},
    {"dorvelb_ti", "w/c exactly 0.3",                   {{6, 105.0}}, 7.83043e15, 0x1.bd1bb168622c0p+52},
    {"dorvelb_ti", "no aggregate",                      {{7, 0.0}, {8, 0.0}, {9, 0.0}}, 12.1537, 0x1.84eb5b420aaffp+3},
    {"dorvelb_ti", "no cover",                          {{1, 0.0}}, 0.0, 0.0},
    {"dorvelb_ti", "infinite water without CO2",        {{6, inf}, {3, 0.0}}, 9e14, 0x1.9945ca2620000p+49},
    {"dorvelb_ti", "negative time",                     {{2, -1.0}}, 4.70581, 0x1.2d2bfcdde95e4p+2},
};

}  // namespace dur::test

#endif
