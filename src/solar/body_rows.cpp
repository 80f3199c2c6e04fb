// The built-in solar system: real sizes, masses and orbits of the bodies.
//
// Radius and orbit radius (the semi-major axis round the parent) are in
// metres, mass in units of 10^24 kg, periods in days. Tilt is the orbital
// inclination; start angle is the axial tilt for the planets and the large
// moons, and the inclination for the small bodies, whose tilt is a plain 1.
// Retrograde irregular moons carry a negative orbital period. Rotation
// periods are in days except Terra's, which is her day in hours (24): the
// planet file holds that number and her globe spins by it.
//
// Values marked "approx." are estimates: small moons and asteroids whose
// mass has never been measured (taken from size and a typical density),
// irregular shapes given as a mean radius, and rotations that are not known
// (a plausible value; the spin is never drawn).
#include <array>

#include "solar/body_table.h"
#include "solar/solar_state.h"

namespace vorlund {
namespace {

constexpr int kNamedBodies = 124;

// name, parent, radius, gravity factor, mass factor, orbit radius, tilt,
// start angle, rotation period, period (days), albedo
// clang-format off
constexpr std::array<BodyRow, kNamedBodies> kRows{{
    {"Sol", 0, 6.95e8f, 2.0L, 1.989e6L, 0.0f, 0.0f, 7.25f, 25.38f, 0.0L, 1.0f},
    {"Jupiter", 0, 7.1492e7f, 0.01L, 1899.0L, 7.78412e11f, 1.3053f, 3.13f, 0.413538f, 4333.2867L, 0.52f},
    {"Saturn", 0, 6.0268e7f, 0.0L, 568.46L, 1.426725e12f, 2.48446f, 26.73f, 0.44401f, 10759.22L, 0.47f},
    {"Neptune", 0, 2.4764e7f, 0.0L, 102.43L, 4.498252e12f, 1.76917f, 28.32f, 0.6713f, 60190.03L, 0.41f},
    {"Uranus", 0, 2.5559e7f, 0.0L, 86.832L, 2.870972e12f, 97.77f, 0.0f, -0.7183333f, 30707.4896L, 0.51f},
    {"Terra", 0, 6372795.0f, 0.0L, 5.9736L, 1.495979e11f, 0.0f, 0.0f, 24.0f, 365.25641L, 0.0f},
    {"Venus", 0, 6.0518e6f, 0.0L, 4.8685L, 1.0820893e11f, 3.39471f, 177.36f, -243.0185f, 224.70069L, 0.0f},
    {"Mars", 0, 3.3962e6f, 0.0L, 0.64185L, 2.2793664e11f, 1.85061f, 25.19f, 1.025957f, 686.971L, 0.0f},
    {"Mercury", 0, 2.4397e6f, 0.0L, 0.3302L, 5.7909176e10f, 7.00487f, 0.034f, 58.646f, 87.969L, 0.0f},
    {"Ganymede", 1, 2.6341e6f, 0.0L, 0.14819L, 1.0704e9f, 0.204f, 0.33f, 7.154553f, 7.15455296L, 0.0f},
    {"Titan", 2, 2.57473e6f, 0.0L, 0.13452L, 1.22187e9f, 0.34854f, 0.3f, 15.945421f, 15.945421L, 0.0f},
    {"Callisto", 1, 2.4103e6f, 0.0L, 0.10759L, 1.8827e9f, 0.192f, 0.0f, 16.689018f, 16.6890184L, 0.0f},
    {"Io", 1, 1.8216e6f, 0.0L, 0.089319L, 4.217e8f, 0.05f, 0.0f, 1.769138f, 1.769137786L, 0.0f},
    {"Luna", 5, 1738100.0f, 0.0L, 0.0734673L, 3.844e8f, 5.145396f, 1.5424f, 27.32166f, 27.32166155L, 0.0f},
    {"Europa", 1, 1.5608e6f, 0.0L, 0.048L, 6.709e8f, 0.47f, 0.1f, 3.551181f, 3.551181041L, 0.0f},
    {"Triton", 3, 1353000.0f, 0.0L, 0.02147L, 3.548e8f, 0.0f, 0.0f, -5.877f, 5.877L, 0.0f},
    {"Eris", 0, 1.2e6f, 0.0825L, 0.01305L, 1.459477e13f, 44.187f, 1.1f, 0.3333f, 203500.0L, 0.0f},
    {"Pluto", 0, 1.1883e6f, 0.0825L, 0.01303L, 5.90638e12f, 17.14175f, 122.53f, -6.38723f, 90613.305L, 0.0f},
    // Haumea; radius the mean of its elongated shape (approx.), start angle approx.
    {"EL61", 0, 8.16e5f, 0.0825L, 0.004006L, 6.4501e12f, 28.19f, 0.0f, 0.163146f, 103410.0L, 0.0f},
    {"Titania", 4, 7.889e5f, 0.0825L, 0.0034L, 4.3591e8f, 0.34f, 0.0f, 8.705872f, 8.7058717L, 0.0f},
    {"Oberon", 4, 7.614e5f, 0.0825L, 0.003076L, 5.8352e8f, 0.058f, 0.0f, 13.463234f, 13.463234L, 0.0f},
    // Sedna: size and mass approx.
    {"Sedna", 0, 4.98e5f, 0.0825L, 0.001L, 7.57e13f, 11.93f, 0.0f, 0.4278f, 4157000.0L, 0.0f},
    {"Rhea", 2, 7.638e5f, 0.0L, 0.0023065L, 5.27108e8f, 0.345f, 0.0f, 4.518212f, 4.518212L, 0.0f},
    {"Quaoar", 0, 5.55e5f, 0.0L, 0.0014L, 6.4925e12f, 7.99f, 0.0f, 0.7367f, 104460.0L, 0.0f},
    {"Iapetus", 2, 7.345e5f, 0.0L, 0.0018056L, 3.5608e9f, 15.47f, 0.0f, 79.3215f, 79.3215L, 0.0f},
    // Charon keeps its distance and period from Pluto, but runs round EL61.
    {"Charon", 18, 6.035e5f, 0.0L, 0.001586L, 1.9591e7f, 0.0f, 0.0f, 6.38723f, 6.38723L, 0.0f},
    {"Ariel", 4, 5.789e5f, 0.0L, 0.001251L, 1.9102e8f, 0.26f, 0.0f, 2.520379f, 2.520379L, 0.0f},
    {"Umbriel", 4, 5.847e5f, 0.0825L, 0.001275L, 2.66e8f, 0.128f, 0.0f, 4.144177f, 4.144177L, 0.0f},
    {"Dione", 2, 5.614e5f, 0.0L, 0.0010955L, 3.77396e8f, 0.019f, 0.0f, 2.736915f, 2.736915L, 0.0f},
    {"Ceres", 0, 471000.0f, 0.0L, 0.00095L, 4.137877e11f, 1.0f, 10.587f, 0.3781f, 1679.819L, 0.0f},
    // Orcus and Varuna: size, mass and rotation approx.
    {"Orcus", 0, 4.55e5f, 0.0L, 0.000641L, 5.867e12f, 1.0f, 20.57f, 0.55f, 89600.0L, 0.0f},
    {"Tethys", 2, 5.311e5f, 0.0L, 0.0006174L, 2.94619e8f, 1.12f, 0.0f, 1.887802f, 1.887802L, 0.0f},
    {"Varuna", 0, 3.5e5f, 0.0L, 0.00037L, 6.425e12f, 1.0f, 17.2f, 0.264f, 102900.0L, 0.0f},
    {"Vesta", 0, 2.627e5f, 0.0L, 0.000259L, 3.5332e11f, 1.0f, 7.14f, 0.2226f, 1325.75L, 0.0f},
    // 1996 TL66: size, mass, rotation and orbit approx.
    {"15874", 0, 2.875e5f, 0.0L, 0.0002L, 1.2566e13f, 1.0f, 24.0f, 0.5f, 281970.0L, 0.0f},
    {"Pallas", 0, 2.56e5f, 0.0L, 0.000204L, 4.1475e11f, 1.0f, 34.84f, 0.32555f, 1686.4L, 0.0f},
    {"Enceladus", 2, 2.521e5f, 0.0L, 0.000108022L, 2.37948e8f, 0.019f, 0.0f, 1.370218f, 1.370218L, 0.0f},
    // Main-belt asteroids below: mean radii and most masses approx.
    {"Hygiea", 0, 2.17e5f, 0.0L, 0.0000867L, 4.6997e11f, 1.0f, 3.83f, 0.5763f, 2031.0L, 0.0f},
    {"Intermnia", 0, 1.58e5f, 0.0L, 0.0000388L, 4.5843e11f, 1.0f, 17.3f, 0.3637f, 1959.0L, 0.0f},
    {"Miranda", 4, 2.358e5f, 0.0L, 0.0000659L, 1.299e8f, 4.232f, 0.0f, 1.413479f, 1.413479L, 0.0f},
    {"Proteus", 3, 2.1e5f, 0.0L, 0.0000441L, 1.17647e8f, 0.075f, 0.0f, 1.122315f, 1.122315L, 0.0f},
    {"Europa", 0, 1.575e5f, 0.0L, 0.0000238L, 4.6308e11f, 1.0f, 7.47f, 0.2346f, 1989.0L, 0.0f},
    {"Mimas", 2, 1.982e5f, 0.0L, 0.0000375L, 1.85539e8f, 1.574f, 0.0f, 0.942422f, 0.942422L, 0.0f},
    {"Davida", 0, 1.49e5f, 0.0L, 0.0000384L, 4.742e11f, 1.0f, 15.94f, 0.2137f, 2063.0L, 0.0f},
    // Nereid: mass and rotation approx.
    {"Nereid", 3, 1.7e5f, 0.0L, 0.000031L, 5.5134e9f, 1.0f, 7.23f, 0.48f, 360.1362L, 0.0f},
    {"Eunomia", 0, 1.34e5f, 0.0L, 0.0000318L, 3.955e11f, 1.0f, 11.75f, 0.2535f, 1570.0L, 0.0f},
    {"Juno", 0, 1.23e5f, 0.0L, 0.0000267L, 3.9934e11f, 1.0f, 12.98f, 0.3004f, 1594.0L, 0.0f},
    {"Psyche", 0, 1.13e5f, 0.0L, 0.0000227L, 4.3727e11f, 1.0f, 3.1f, 0.1748f, 1826.0L, 0.0f},
    {"Euphrosyne", 0, 1.28e5f, 0.0L, 0.000017L, 4.7198e11f, 1.0f, 26.3f, 0.2305f, 2047.0L, 0.0f},
    {"Sylvia", 0, 1.43e5f, 0.0L, 0.00001478L, 5.1347e11f, 1.0f, 10.86f, 0.216f, 2322.0L, 0.0f},
    {"Hebe", 0, 9.3e4f, 0.0L, 0.0000139L, 3.6273e11f, 1.0f, 14.74f, 0.3031f, 1379.0L, 0.0f},
    // Hektor shares Jupiter's orbit.
    {"Hektor", 0, 1.125e5f, 0.0L, 0.0000079L, 7.7827e11f, 1.0f, 18.17f, 0.2884f, 4344.0L, 0.0f},
    {"Cybele", 0, 1.37e5f, 0.0L, 0.0000137L, 5.1186e11f, 1.0f, 3.56f, 0.2525f, 2312.0L, 0.0f},
    // Hyperion tumbles; its rotation approx.
    {"Hyperion", 2, 1.35e5f, 0.0L, 0.0000056L, 1.481e9f, 0.43f, 0.0f, 13.0f, 21.276609L, 0.0f},
    {"Iris", 0, 1.0e5f, 0.0L, 0.0000136L, 3.5702e11f, 1.0f, 5.52f, 0.2975f, 1346.0L, 0.0f},
    {"Bamberga", 0, 1.14e5f, 0.0L, 0.0000103L, 4.0182e11f, 1.0f, 11.1f, 1.2262f, 1608.0L, 0.0f},
    {"Asteroid 9 Metis", 0, 8.5e4f, 0.0L, 0.0000086L, 3.5697e11f, 1.0f, 5.58f, 0.2116f, 1346.0L, 0.0f},
    {"Phoebe", 2, 1.066e5f, 0.0L, 0.000008292L, 1.2952e10f, 1.0f, 175.3f, 0.3862f, -550.31L, 0.0f},
    {"Amalthea", 1, 8.35e4f, 0.0L, 0.00000208L, 1.81366e8f, 0.374f, 0.0f, 0.49817943f, 0.49817943L, 0.0f},
    {"Himalia", 1, 8.5e4f, 0.0L, 0.0000042L, 1.14604e10f, 1.0f, 27.5f, 0.324f, 250.5662L, 0.0f},
    {"Kalliope", 0, 8.4e4f, 0.0L, 0.0000077L, 4.3536e11f, 1.0f, 13.71f, 0.1728f, 1814.0L, 0.0f},
    {"Eugenia", 0, 1.07e5f, 0.0L, 0.0000056L, 4.0703e11f, 1.0f, 6.6f, 0.2375f, 1639.0L, 0.0f},
    // Uranus's irregular moons: sizes, masses and rotations approx.
    {"Sycorax", 4, 7.5e4f, 0.0L, 0.0000023L, 1.2179e10f, 1.0f, 159.4f, 0.2913f, -1288.3L, 0.0f},
    {"Massalia", 0, 7.25e4f, 0.0L, 0.000005L, 3.6038e11f, 1.0f, 0.71f, 0.3374f, 1366.0L, 0.0f},
    // Small inner moons of the giants: masses approx.
    {"Larissa", 3, 9.7e4f, 0.0L, 0.0000042L, 7.3548e7f, 0.2f, 0.0f, 0.55465332f, 0.55465332L, 0.0f},
    {"Flora", 0, 6.8e4f, 0.0L, 0.0000036L, 3.2927e11f, 1.0f, 5.89f, 0.5279f, 1193.0L, 0.0f},
    {"Io", 0, 7.75e4f, 0.0L, 0.0000026L, 3.9703e11f, 1.0f, 11.96f, 0.2865f, 1579.0L, 0.0f},
    {"Puck", 4, 8.1e4f, 0.0L, 0.0000029L, 8.6004e7f, 0.31f, 0.0f, 0.76183287f, 0.76183287L, 0.0f},
    // Chiron: size and mass approx.
    {"Chiron", 0, 1.0e5f, 0.0L, 0.000004L, 2.0495e12f, 1.0f, 6.93f, 0.2466f, 18520.0L, 0.0f},
    {"Astraea", 0, 5.98e4f, 0.0L, 0.0000029L, 3.8506e11f, 1.0f, 5.37f, 0.6975f, 1508.0L, 0.0f},
    {"Galatea", 3, 8.8e4f, 0.0L, 0.00000212L, 6.1953e7f, 0.05f, 0.0f, 0.42874431f, 0.42874431L, 0.0f},
    {"Despina", 3, 7.5e4f, 0.0L, 0.0000021L, 5.2526e7f, 0.07f, 0.0f, 0.33465551f, 0.33465551L, 0.0f},
    {"Janus", 2, 8.95e4f, 0.0L, 0.0000018975L, 1.51472e8f, 0.163f, 0.0f, 0.69466f, 0.69466L, 0.0f},
    {"Portia", 4, 6.75e4f, 0.0L, 0.0000017L, 6.6097e7f, 0.059f, 0.0f, 0.51319592f, 0.51319592L, 0.0f},
    {"Lumen", 0, 6.55e4f, 0.0L, 0.0000012L, 3.9945e11f, 1.0f, 11.9f, 0.8104f, 1593.0L, 0.0f},
    {"Thebe", 1, 4.93e4f, 0.0L, 0.00000043L, 2.21889e8f, 1.076f, 0.0f, 0.6745f, 0.6745L, 0.0f},
    {"Siwa", 0, 5.5e4f, 0.0L, 0.0000015L, 4.0915e11f, 1.0f, 3.19f, 0.7702f, 1652.0L, 0.0f},
    {"Aemilia", 0, 6.25e4f, 0.0L, 0.0000011L, 4.6375e11f, 1.0f, 6.13f, 1.0208f, 1994.0L, 0.0f},
    {"Lutetia", 0, 4.9e4f, 0.0L, 0.0000017L, 3.6427e11f, 1.0f, 3.06f, 0.3404f, 1388.0L, 0.0f},
    {"Hekate", 0, 4.45e4f, 0.0L, 0.0000009L, 4.6226e11f, 1.0f, 6.43f, 1.128f, 1984.0L, 0.0f},
    {"Elara", 1, 43000.0f, 0.0L, 8.7e-06L, 1.168359e10f, 1.0f, 30.66f, -0.5f, -257.9849L, 0.0f},
    {"Caliban", 4, 3.6e4f, 0.0L, 0.00000025L, 7.2315e9f, 1.0f, 140.9f, 0.1125f, -579.73L, 0.0f},
    {"Juliet", 4, 4.7e4f, 0.0L, 0.00000056L, 6.4358e7f, 0.065f, 0.0f, 0.49306549f, 0.49306549L, 0.0f},
    // Epimetheus shares Janus's orbit; it starts on the far side of Saturn.
    {"Epimetheus", 2, 5.81e4f, 0.0L, 0.0000005266L, 1.51422e8f, 0.335f, 180.0f, 0.694333f, 0.694333L, 0.0f},
    {"Belinda", 4, 4.05e4f, 0.0L, 0.00000036L, 7.5255e7f, 0.031f, 0.0f, 0.62352747f, 0.62352747L, 0.0f},
    {"Thalassa", 3, 4.1e4f, 0.0L, 0.00000035L, 5.0074e7f, 0.21f, 0.0f, 0.31148444f, 0.31148444L, 0.0f},
    {"Cressida", 4, 4.1e4f, 0.0L, 0.00000034L, 6.1767e7f, 0.006f, 0.0f, 0.4635696f, 0.4635696L, 0.0f},
    {"Pasiphae", 1, 3.0e4f, 0.0L, 0.0000003L, 2.3624e10f, 1.0f, 151.4f, 0.4f, -743.63L, 0.0f},
    {"Rosalind", 4, 3.6e4f, 0.0L, 0.00000025L, 6.9927e7f, 0.279f, 0.0f, 0.55845953f, 0.55845953L, 0.0f},
    {"Naiad", 3, 3.3e4f, 0.0L, 0.00000019L, 4.8227e7f, 4.691f, 0.0f, 0.29439583f, 0.29439583L, 0.0f},
    {"Desdemona", 4, 3.2e4f, 0.0L, 0.00000018L, 6.2659e7f, 0.113f, 0.0f, 0.47364981f, 0.47364981L, 0.0f},
    {"Prometheus", 2, 4.31e4f, 0.0L, 0.0000001595L, 1.3938e8f, 0.008f, 0.0f, 0.61299f, 0.61299L, 0.0f},
    {"Pandora", 2, 4.07e4f, 0.0L, 0.0000001371L, 1.4172e8f, 0.05f, 0.0f, 0.628504f, 0.628504L, 0.0f},
    {"Carme", 1, 2.3e4f, 0.0L, 0.00000013L, 2.3404e10f, 1.0f, 164.9f, 0.433f, -734.17L, 0.0f},
    // Mathilde: the unnamed bodies 124..144 are copies of it, spaced out from the sun.
    {"Mathilde", 0, 26400.0f, 0.0L, 1.033e-07L, 3.95985563719077e11f, 1.0f, 6.738f, 17.39583f, 1572.683L, 0.0f},
    {"Metis", 1, 2.15e4f, 0.0L, 0.00000012L, 1.27969e8f, 0.06f, 0.0f, 0.294779f, 0.294779L, 0.0f},
    {"Bianca", 4, 2.57e4f, 0.0L, 0.000000092L, 5.9165e7f, 0.193f, 0.0f, 0.43457911f, 0.43457911L, 0.0f},
    {"Sinope", 1, 1.9e4f, 0.0L, 0.000000075L, 2.3939e10f, 1.0f, 158.1f, 0.548f, -758.9L, 0.0f},
    // Pluto's small moons: mean radii approx.
    {"Hydra", 17, 2.5e4f, 0.0L, 0.000000048L, 6.4738e7f, 0.242f, 0.0f, 0.43f, 38.20177L, 0.0f},
    {"Nix", 17, 2.3e4f, 0.0L, 0.000000045L, 4.8694e7f, 0.133f, 0.0f, 1.829f, 24.85463L, 0.0f},
    {"Lysithea", 1, 1.8e4f, 0.0825L, 0.000000063L, 1.1717e10f, 1.0f, 28.3f, 0.533f, 259.2L, 0.0f},
    // Linus and Romulus are the moons of the asteroids Kalliope and Sylvia;
    // their masses approx., their rotations taken as bound to their orbits.
    {"Linus", 60, 1.4e4f, 0.0825L, 0.00000006L, 1.065e6f, 0.0f, 0.0f, 3.5956f, 3.5956L, 0.0f},
    {"Ophelia", 4, 2.15e4f, 0.0825L, 0.000000054L, 5.3764e7f, 0.1f, 0.0f, 0.37640039f, 0.37640039L, 0.0f},
    {"Cordelia", 4, 2.0e4f, 0.0825L, 0.000000045L, 4.9752e7f, 0.085f, 0.0f, 0.3350384f, 0.3350384L, 0.0f},
    {"Ida", 0, 1.57e4f, 0.0825L, 0.000000042L, 4.2815e11f, 1.0f, 1.13f, 0.193f, 1768.0L, 0.0f},
    {"Ananke", 1, 1.4e4f, 0.0825L, 0.00000003L, 2.1276e10f, 1.0f, 148.9f, 0.35f, -629.77L, 0.0f},
    {"Francisco", 4, 1.1e4f, 0.0825L, 0.0000000072L, 4.276e9f, 1.0f, 145.2f, 0.1f, -266.56L, 0.0f},
    {"Setebos", 4, 2.4e4f, 0.0825L, 0.000000087L, 1.7418e10f, 1.0f, 158.2f, 0.19f, -2225.21L, 0.0f},
    {"Adrastea", 1, 8.2e3f, 0.0825L, 0.000000002L, 1.29e8f, 0.03f, 0.0f, 0.29826f, 0.29826L, 0.0f},
    {"Psamathe", 3, 2.0e4f, 0.0825L, 0.000000015L, 4.6705e10f, 1.0f, 137.4f, 0.4f, -9074.3L, 0.0f},
    {"Ganymed", 0, 1.6e4f, 0.0825L, 0.000000033L, 3.9868e11f, 1.0f, 26.7f, 0.4296f, 1589.0L, 0.0f},
    {"Perdita", 4, 1.5e4f, 0.0825L, 0.000000018L, 7.6417e7f, 0.47f, 0.0f, 0.638f, 0.638L, 0.0f},
    {"Leda", 1, 1.07e4f, 0.0825L, 0.0000000109L, 1.1165e10f, 1.0f, 27.46f, 0.5f, 240.92L, 0.0f},
    {"Phobos", 7, 1.11e4f, 0.0825L, 0.000000010659L, 9.3772e6f, 1.093f, 0.0f, 0.31891023f, 0.31891023L, 0.0f},
    {"Mab", 4, 1.2e4f, 0.0825L, 0.000000001L, 9.7736e7f, 0.134f, 0.0f, 0.923293f, 0.923293L, 0.0f},
    // Masursky: size, mass, rotation and orbit approx.
    {"Masursky", 0, 7.5e3f, 0.0825L, 0.000000003L, 3.8267e11f, 1.0f, 12.1f, 0.5f, 1494.0L, 0.0f},
    {"Atlas", 2, 1.51e4f, 0.0825L, 0.0000000066L, 1.3767e8f, 0.003f, 0.0f, 0.6016947f, 0.6016947L, 0.0f},
    {"Stephano", 4, 1.6e4f, 0.0825L, 0.000000006L, 8.004e9f, 1.0f, 144.1f, 0.2f, -677.36L, 0.0f},
    {"Pan", 2, 1.42e4f, 0.0825L, 0.00000000495L, 1.33584e8f, 0.0f, 0.0f, 0.575f, 0.575L, 0.0f},
    {"Romulus", 49, 5.4e3f, 0.0825L, 0.000000001L, 1.356e6f, 0.0f, 0.0f, 3.6496f, 3.6496L, 0.0f},
    {"Cupid", 4, 9.0e3f, 0.0825L, 0.0000000038L, 7.4392e7f, 0.099f, 0.0f, 0.613f, 0.612825L, 0.0f},
    {"Gaspra", 0, 6.1e3f, 0.0825L, 0.000000002L, 3.3061e11f, 1.0f, 4.1f, 0.2934f, 1199.0L, 0.0f},
    {"Deimos", 7, 6.2e3f, 0.0825L, 0.0000000014762L, 2.34632e7f, 0.93f, 0.0f, 1.263f, 1.263L, 0.0f},
    {"Eros", 0, 8.42e3f, 0.0825L, 0.000000006687L, 2.1817e11f, 1.0f, 10.83f, 0.2195f, 643.22L, 0.0f},
}};
// clang-format on

// Bodies 124..144 are nameless copies of Mathilde at twice its size, the
// k-th at k hundredths of its orbit with a k-th of its mass.
constexpr long double kMathildeStep = 3959855637.19077L;

}  // namespace

BodyRow builtInRow(int k) {
  if (k < 0 || k > kLastBodyIndex) return kRows[0];
  if (k < kNamedBodies) return kRows[static_cast<std::size_t>(k)];
  BodyRow row = kRows[94];  // Mathilde
  row.name = "";
  row.radius = 53000.0f;
  row.massFactor = 1.033e-07L / k;
  row.orbitRadius = static_cast<float>(k * kMathildeStep);
  return row;
}

}  // namespace vorlund
