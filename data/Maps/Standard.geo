# The standard board's geography: how armies and fleets move, as the Judge plays it.
# Made by board-generator (tools/board); change the generator, not this file.
#
# PROVINCE: short name, land | coast | sea, home power or -, centre or -, then every
#   name the Judge reads for the province; it prints the first.
# COAST: province/coast, x, y: a coast of a province with two or more, and where
#   a fleet on it is drawn on the picture.
# ARMY: province: where an army there can move.
# FLEET: province or province/coast: where a fleet there can move. A fleet sent to
#   a province with two coasts and none named goes to the first listed.

PROVINCE: Cly, coast, -, -, Clyde, cly
ARMY: Cly: Edi Lvp
FLEET: Cly: Edi Lvp Nao Nwg

PROVINCE: Edi, coast, England, centre, Edinburgh, edi
ARMY: Edi: Lvp Yor Cly
FLEET: Edi: Nth Nwg Cly Yor

PROVINCE: Lvp, coast, England, centre, Liverpool, lvp, livp, lpl
ARMY: Lvp: Wal Edi Yor Cly
FLEET: Lvp: Wal Iri Nao Cly

PROVINCE: Yor, coast, -, -, Yorkshire, yor, york, yonkers
ARMY: Yor: Edi Lon Lvp Wal
FLEET: Yor: Edi Nth Lon

PROVINCE: Wal, coast, -, -, Wales, wal
ARMY: Wal: Lvp Lon Yor
FLEET: Wal: Lvp Iri Eng Lon

PROVINCE: Lon, coast, England, centre, London, lon
ARMY: Lon: Yor Wal
FLEET: Lon: Yor Nth Eng Wal

PROVINCE: Bre, coast, France, centre, Brest, bre
ARMY: Bre: Pic Gas Par
FLEET: Bre: Mao Eng Pic Gas

PROVINCE: Pic, coast, -, -, Picardy, pic
ARMY: Pic: Bur Par Bre Bel
FLEET: Pic: Bre Eng Bel

PROVINCE: Par, land, France, centre, Paris, par
ARMY: Par: Bre Pic Bur Gas

PROVINCE: Bur, land, -, -, Burgundy, bur
ARMY: Bur: Mar Gas Par Pic Bel Ruh Mun

PROVINCE: Gas, coast, -, -, Gascony, gas
ARMY: Gas: Par Bur Mar Spa Bre
FLEET: Gas: Spa/nc Mao Bre

PROVINCE: Mar, coast, France, centre, Marseilles, mar, mars
ARMY: Mar: Spa Pie Gas Bur
FLEET: Mar: Spa/sc Lyo Pie

PROVINCE: Kie, coast, Germany, centre, Kiel, kie
ARMY: Kie: Hol Den Ber Mun Ruh
FLEET: Kie: Hol Hel Den Bal Ber

PROVINCE: Ber, coast, Germany, centre, Berlin, ber
ARMY: Ber: Kie Pru Sil Mun
FLEET: Ber: Kie Bal Pru

PROVINCE: Pru, coast, -, -, Prussia, pru
ARMY: Pru: War Sil Ber Lvn
FLEET: Pru: Ber Bal Lvn

PROVINCE: Sil, land, -, -, Silesia, sil
ARMY: Sil: Mun Ber Pru War Gal Boh

PROVINCE: Mun, land, Germany, centre, Munich, mun
ARMY: Mun: Bur Ruh Kie Ber Sil Boh Tyr

PROVINCE: Ruh, land, -, -, Ruhr, ruh
ARMY: Ruh: Bur Bel Hol Kie Mun

PROVINCE: Pie, coast, -, -, Piedmont, pie
ARMY: Pie: Mar Tus Ven Tyr
FLEET: Pie: Mar Lyo Tus

PROVINCE: Ven, coast, Italy, centre, Venice, ven
ARMY: Ven: Tyr Tus Rom Pie Apu Tri
FLEET: Ven: Apu Adr Tri

PROVINCE: Tus, coast, -, -, Tuscany, tus
ARMY: Tus: Rom Pie Ven
FLEET: Tus: Rom Tys Lyo Pie

PROVINCE: Rom, coast, Italy, centre, Rome, rom
ARMY: Rom: Tus Nap Ven Apu
FLEET: Rom: Tus Tys Nap

PROVINCE: Apu, coast, -, -, Apulia, apu
ARMY: Apu: Ven Nap Rom
FLEET: Apu: Ven Adr Ion Nap

PROVINCE: Nap, coast, Italy, centre, Naples, nap
ARMY: Nap: Rom Apu
FLEET: Nap: Rom Tys Ion Apu

PROVINCE: Tyr, land, -, -, Tyrolia, tyr, tyl, trl
ARMY: Tyr: Mun Boh Vie Tri Ven Pie

PROVINCE: Boh, land, -, -, Bohemia, boh
ARMY: Boh: Mun Sil Gal Vie Tyr

PROVINCE: Gal, land, -, -, Galicia, gal
ARMY: Gal: War Ukr Rum Bud Vie Boh Sil

PROVINCE: Vie, land, Austria, centre, Vienna, vie
ARMY: Vie: Tyr Boh Gal Bud Tri

PROVINCE: Bud, land, Austria, centre, Budapest, bud
ARMY: Bud: Vie Gal Rum Ser Tri

PROVINCE: Tri, coast, Austria, centre, Trieste, tri
ARMY: Tri: Tyr Vie Bud Ser Alb Ven
FLEET: Tri: Alb Adr Ven

PROVINCE: StP, coast, Russia, centre, St Petersburg, stp
COAST: StP/nc, 1048, 110
COAST: StP/sc, 902, 317
ARMY: StP: Fin Lvn Nwy Mos
FLEET: StP/nc: Bar Nwy
FLEET: StP/sc: Fin Lvn Bot

PROVINCE: Mos, land, Russia, centre, Moscow, mos
ARMY: Mos: StP Lvn War Ukr Sev

PROVINCE: Lvn, coast, -, -, Livonia, lvn, livo, lvo, lva
ARMY: Lvn: Pru StP Mos War
FLEET: Lvn: Pru Bal Bot StP/sc

PROVINCE: War, land, Russia, centre, Warsaw, war
ARMY: War: Sil Pru Lvn Mos Ukr Gal

PROVINCE: Ukr, land, -, -, Ukraine, ukr
ARMY: Ukr: Rum Gal War Mos Sev

PROVINCE: Sev, coast, Russia, centre, Sevastopol, sev, sevastapol
ARMY: Sev: Ukr Mos Rum Arm
FLEET: Sev: Rum Bla Arm

PROVINCE: Con, coast, Turkey, centre, Constantinople, con
ARMY: Con: Bul Ank Smy
FLEET: Con: Bul/sc Bul/ec Bla Ank Smy Aeg

PROVINCE: Ank, coast, Turkey, centre, Ankara, ank
ARMY: Ank: Arm Con Smy
FLEET: Ank: Bla Arm Con

PROVINCE: Smy, coast, Turkey, centre, Smyrna, smy
ARMY: Smy: Syr Con Ank Arm
FLEET: Smy: Syr Eas Aeg Con

PROVINCE: Arm, coast, -, -, Armenia, arm
ARMY: Arm: Smy Syr Ank Sev
FLEET: Arm: Ank Sev Bla

PROVINCE: Syr, coast, -, -, Syria, syr
ARMY: Syr: Smy Arm
FLEET: Syr: Eas Smy

PROVINCE: Nwy, coast, -, centre, Norway, nor, nwy, norw
ARMY: Nwy: Fin StP Swe
FLEET: Nwy: Ska Nth Nwg Bar StP/nc Swe

PROVINCE: Swe, coast, -, centre, Sweden, swe
ARMY: Swe: Fin Den Nwy
FLEET: Swe: Fin Bot Bal Den Ska Nwy

PROVINCE: Fin, coast, -, -, Finland, fin
ARMY: Fin: Swe StP Nwy
FLEET: Fin: Swe StP/sc Bot

PROVINCE: Den, coast, -, centre, Denmark, den
ARMY: Den: Swe Kie
FLEET: Den: Hel Nth Swe Bal Kie Ska

PROVINCE: Hol, coast, -, centre, Holland, hol
ARMY: Hol: Bel Kie Ruh
FLEET: Hol: Bel Nth Hel Kie

PROVINCE: Bel, coast, -, centre, Belgium, bel
ARMY: Bel: Hol Pic Ruh Bur
FLEET: Bel: Eng Nth Hol Pic

PROVINCE: Spa, coast, -, centre, Spain, spa
COAST: Spa/nc, 160, 850
COAST: Spa/sc, 228, 1032
ARMY: Spa: Gas Por Mar
FLEET: Spa/nc: Gas Mao Por
FLEET: Spa/sc: Por Wes Lyo Mar Mao

PROVINCE: Por, coast, -, centre, Portugal, por
ARMY: Por: Spa
FLEET: Por: Mao Spa/nc Spa/sc

PROVINCE: Naf, coast, -, -, North Africa, naf, nora
ARMY: Naf: Tun
FLEET: Naf: Mao Wes Tun

PROVINCE: Tun, coast, -, centre, Tunis, tun
ARMY: Tun: Naf
FLEET: Tun: Naf Wes Tys Ion

PROVINCE: Ser, land, -, centre, Serbia, ser
ARMY: Ser: Tri Bud Rum Bul Gre Alb

PROVINCE: Alb, coast, -, -, Albania, alb
ARMY: Alb: Tri Gre Ser
FLEET: Alb: Adr Tri Gre Ion

PROVINCE: Gre, coast, -, centre, Greece, gre
ARMY: Gre: Bul Alb Ser
FLEET: Gre: Bul/sc Aeg Ion Alb

PROVINCE: Bul, coast, -, centre, Bulgaria, bul
COAST: Bul/ec, 867, 832
COAST: Bul/sc, 818, 897
ARMY: Bul: Gre Con Ser Rum
FLEET: Bul/ec: Con Bla Rum
FLEET: Bul/sc: Gre Aeg Con

PROVINCE: Rum, coast, -, centre, Rumania, rum
ARMY: Rum: Ser Bud Gal Ukr Sev Bul
FLEET: Rum: Sev Bla Bul/ec

PROVINCE: Nao, sea, -, -, North Atlantic Ocean, nao, nat
FLEET: Nao: Nwg Lvp Iri Mao Cly

PROVINCE: Nwg, sea, -, -, Norwegian Sea, nwg, norwsea, nrg, norwegian
FLEET: Nwg: Nao Bar Nwy Nth Cly Edi

PROVINCE: Bar, sea, -, -, Barents Sea, bar, barents
FLEET: Bar: Nwg StP/nc Nwy

PROVINCE: Nth, sea, -, -, North Sea, nth, norsea, nts
FLEET: Nth: Yor Edi Nwg Nwy Ska Den Hel Hol Bel Eng Lon

PROVINCE: Iri, sea, -, -, Irish Sea, iri, irish
FLEET: Iri: Nao Lvp Wal Eng Mao

PROVINCE: Eng, sea, -, -, English Channel, eng, english, channel, ech
FLEET: Eng: Mao Iri Wal Lon Nth Bel Pic Bre

PROVINCE: Mao, sea, -, -, Mid-Atlantic Ocean, mao, midatlanticocean, midatlantic, mid, mat
FLEET: Mao: Nao Iri Eng Bre Gas Spa/nc Por Spa/sc Naf Wes

PROVINCE: Hel, sea, -, -, Helgoland Bight, hel, helgoland
FLEET: Hel: Nth Den Kie Hol

PROVINCE: Ska, sea, -, -, Skagerrak, ska
FLEET: Ska: Nth Nwy Den Swe

PROVINCE: Bal, sea, -, -, Baltic Sea, bal, baltic
FLEET: Bal: Lvn Pru Ber Kie Den Swe Bot

PROVINCE: Bot, sea, -, -, Gulf of Bothnia, bot, gob, both, gulfofb, bothnia
FLEET: Bot: Swe Fin StP/sc Lvn Bal

PROVINCE: Wes, sea, -, -, Western Mediterranean, wes, wmed, west, western, westmed, wms, wme
FLEET: Wes: Mao Spa/sc Lyo Tys Tun Naf

PROVINCE: Lyo, sea, -, -, Gulf of Lyon, lyo, gol, gulfofl, lyon
FLEET: Lyo: Spa/sc Mar Pie Tus Tys Wes

PROVINCE: Tys, sea, -, -, Tyrrhenian Sea, tys, tyrr, tyrrhenian, tyn, tyh
FLEET: Tys: Wes Lyo Tus Rom Nap Ion Tun

PROVINCE: Ion, sea, -, -, Ionian Sea, ion, ionian
FLEET: Ion: Tun Tys Nap Apu Adr Alb Gre Aeg Eas

PROVINCE: Adr, sea, -, -, Adriatic Sea, adr, adriatic
FLEET: Adr: Alb Apu Ven Tri Ion

PROVINCE: Aeg, sea, -, -, Aegean Sea, aeg, aegean
FLEET: Aeg: Gre Bul/sc Con Smy Eas Ion

PROVINCE: Eas, sea, -, -, Eastern Mediterranean, eas, emed, east, eastern, eastmed, ems, eme
FLEET: Eas: Syr Smy Aeg Ion

PROVINCE: Bla, sea, -, -, Black Sea, bla, black
FLEET: Bla: Rum Sev Arm Ank Con Bul/ec

PROVINCE: Swi, land, -, -, Switzerland, swi, switz
